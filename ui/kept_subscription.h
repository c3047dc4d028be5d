#pragma once

#include "tavrel/notifier.h"

#include <QObject>

namespace tavrel::ui {

// Ties a subscription to a core model to the Qt object that listens: when the
// object goes, so does the subscription.
inline void keepWhile(QObject* listener, Subscription subscription)
{
    struct Holder : QObject {
        Holder(QObject* parent, Subscription s)
            : QObject(parent)
            , subscription(std::move(s))
        {
        }
        Subscription subscription;
    };
    new Holder(listener, std::move(subscription));
}

} // namespace tavrel::ui
