#include "tavrel/evening_file.h"

#include "tavrel/player_session.h"

#include <algorithm>

namespace tavrel {

namespace {

// Long enough to recognise, short enough for one line of a message.
std::string quoted(std::string_view text)
{
    constexpr std::size_t shown = 30;
    return "„" + std::string(text.substr(0, shown)) + (text.size() > shown ? "…" : "") + "“";
}

std::string reasonOf(EventLineError error, const std::vector<std::string_view>& words)
{
    switch (error) {
    case EventLineError::ClickWithoutOneNumber:
        return "nach „click“ gehört genau eine Zahl von 0 bis 36";
    case EventLineError::CellOutOfRange:
        return quoted(words[1]) + " ist keine Zahl von 0 bis 36";
    case EventLineError::StrayArgument:
        return "nach " + quoted(words[0]) + " darf nichts folgen";
    }
    return {};
}

// A byte no text holds: a control character other than tab and carriage return.
std::optional<unsigned char> controlByte(std::string_view line)
{
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && byte != '\t' && byte != '\r') || byte == 0x7F)
            return byte;
    }
    return std::nullopt;
}

EveningRead failure(std::size_t line, std::string reason)
{
    return {{}, EveningError{line, std::move(reason)}};
}

} // namespace

std::string eveningText(const std::vector<TableEvent>& events)
{
    std::string text(EveningSignature);
    text += ": die Ereignisse eines Abends am Tisch, eines je Zeile (click N, aktiv, halten, reset, undo)\n";
    text.reserve(text.size() + events.size() * 9);
    for (const TableEvent& event : events)
        text += eventLine(event) + '\n';
    return text;
}

bool isEveningText(std::string_view text)
{
    return text.starts_with(EveningSignature);
}

EveningRead readEvening(std::string_view text)
{
    if (text.empty())
        return failure(0, "die Datei ist leer");
    if (!isEveningText(text))
        return failure(1, "die Datei ist kein gespeicherter Abend (sie beginnt nicht mit „"
                              + std::string(EveningSignature) + "“)");
    EveningRead read;
    std::size_t lineNumber = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (const auto byte = controlByte(line)) {
            constexpr char hex[] = "0123456789ABCDEF";
            return failure(lineNumber, std::string("Steuerzeichen 0x") + hex[*byte >> 4] + hex[*byte & 15]
                                           + ": keine Textdatei");
        }
        const auto words = wordsOf(line);
        if (words.empty() || words[0].front() == '#')
            continue;
        const auto parsed = parseEvent(words);
        if (!parsed)
            return failure(lineNumber, quoted(words[0]) + " ist kein Ereignis (click N, aktiv, halten, reset oder undo)");
        if (const auto* error = std::get_if<EventLineError>(&*parsed))
            return failure(lineNumber, reasonOf(*error, words));
        read.events.push_back(std::get<TableEvent>(*parsed));
    }
    return read;
}

std::vector<std::int16_t> standingSpins(const std::vector<TableEvent>& events)
{
    // Played through the session, whose undo knows which click it takes back:
    // always the latest one still standing.
    PlayerSession session;
    std::vector<std::int16_t> spins;
    for (const TableEvent& event : events) {
        if (event.kind == TableEvent::Kind::Undo) {
            if (session.undo())
                spins.pop_back();
            continue;
        }
        session.play(event);
        if (event.kind == TableEvent::Kind::Click)
            spins.push_back(event.cell);
    }
    return spins;
}

} // namespace tavrel
