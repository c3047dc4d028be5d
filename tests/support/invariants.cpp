#include "invariants.h"

#include "tavrel/number_text.h"

#include <algorithm>
#include <numeric>

namespace tavrel::test {

namespace {

class Checker {
public:
    void expect(bool holds, const std::string& rule)
    {
        if (!holds)
            violations.push_back(rule);
    }
    std::vector<std::string> violations;
};

int activeChevals(const TavrelSystem& sys)
{
    int m = 0;
    while (m < ChevalCount && sys.Frm_Tavrel.lbl_Cheval(m).Visible())
        ++m;
    return m;
}

} // namespace

std::vector<std::string> invariantViolations(const TavrelSystem& sys)
{
    const auto& c = sys.Frm_Tavrel;
    Checker check;
    const int m = activeChevals(sys);

    std::vector<std::string> expectedList;
    for (int k = 0; k < ChevalCount; ++k) {
        const Cheval& ch = ChevalTable[k];
        const bool active = k < m;
        check.expect(c.lbl_Cheval(k).Visible() == active, "active chevals are the first m");
        check.expect(active == (sys.Einsatz_Cheval(k) > 0), "a cheval has a stake exactly while active");
        const float half = static_cast<float>(sys.Einsatz_Cheval(k)) / 2;
        check.expect(sys.Einsatz_Plein(ch.first) == half && sys.Einsatz_Plein(ch.second) == half,
                     "each number of a cheval carries half its units");
        if (active) {
            expectedList.push_back(decimalText(ch.first));
            expectedList.push_back(decimalText(ch.second));
            check.expect(c.lbl_Cheval(k).Caption() == std::string(ch.captionPrefix) + decimalText(sys.Einsatz_Cheval(k)),
                         "a visible cheval label shows its stake");
        }
    }
    check.expect(c.List.items() == expectedList, "the list holds the pleins of the active chevals in order");
    check.expect(sys.Anzahl_Pleins == 2 * m, "Anzahl_Pleins is twice the active chevals");

    for (int n = 0; n < NumberCount; ++n) {
        const bool plein = std::find(expectedList.begin(), expectedList.end(), decimalText(n)) != expectedList.end();
        check.expect(c.Check.Value(n) == (plein ? 1 : 0), "Check marks exactly the active pleins");
        check.expect(c.xpLabel_Tableau.cell(n).backColor == (plein ? Yellow : FeltGreen), "active pleins are yellow");
        check.expect(c.xpLabel_Tableau.cell(n).numberColor == NumberColor(n), "numbers keep their colour");
        if (!plein)
            check.expect(sys.Einsatz_Plein(n) == 0, "a number on no active cheval carries nothing");
    }

    check.expect(c.Check.Value(0) == c.xpCheck.Value(0), "a partie runs exactly while System aktiv is checked");
    check.expect((m > 0) == (c.Check.Value(0) == 1), "a running partie has cheval 0,2");
    const int sum = std::accumulate(sys.Einsatz_Cheval.begin(), sys.Einsatz_Cheval.end(), 0);
    check.expect(sys.Einsatz == sum, "Einsatz is the sum of the cheval stakes");
    if (m < ChevalCount)
        check.expect(sys.Stufe == m, "during the build-up Stufe counts the active chevals");
    else
        check.expect(sys.Stufe >= 1 && sys.Stufe <= 10, "in the progression Stufe cycles through 1 to 10");
    check.expect(sys.Partie <= 0, "a partie above 0 has ended");

    check.expect(c.Lbl_Pleins.Caption() == "Pleins= " + decimalText(sys.Anzahl_Pleins), "Lbl_Pleins mirrors Anzahl_Pleins");
    check.expect(c.Lbl_Stufe.Caption() == "Stufe= " + decimalText(sys.Stufe), "Lbl_Stufe mirrors Stufe");
    check.expect(c.Grid.CurrentRow() == c.Grid.RowCount(), "the newest row is the current one");
    if (c.Grid.RowCount() > 0)
        check.expect(c.Grid.CellText(c.Grid.RowCount(), 1) == blankThen(sys.Anzahl_Coups), "the newest row counts every spin");
    return check.violations;
}

} // namespace tavrel::test
