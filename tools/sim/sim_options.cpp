#include "sim_options.h"

#include "usage_error.h"

#include <charconv>
#include <limits>

namespace tavrel::sim {

const char* const HelpText = R"(Aufruf: tavrel-sim [OPTIONEN]

Spielt das System Coup für Coup durch (mit den Regeln des Programms selbst) und
berichtet, wie tief und wie lang Partien werden, wie hoch die Einsätze steigen,
welches Kapital eine Partie mit welcher Sicherheit durchsteht und was das Spiel
im Mittel kostet. Jede Session beginnt frisch mit „System aktiv“.

Kessel:
  --sessions S         Anzahl der Sessions (Vorgabe 1000)
  --spins N            Coups je Session (Vorgabe 30000)
  --seed X             Startwert (Vorgabe 1). Session i zieht aus std::mt19937_64,
                       geseedet mit std::seed_seq{X mod 2^32, X div 2^32,
                       i mod 2^32, i div 2^32}; jeder 64-Bit-Wert ab dem größten
                       Vielfachen von 37 wird verworfen, sonst gilt der Rest durch
                       37. So ist jede Zahl gleich wahrscheinlich, und der Bericht
                       hängt weder von der Zahl der Threads noch von der
                       Standardbibliothek ab.
  --spins-from DATEI…  gespielte Coups statt eines simulierten Kessels: ganze
                       Zahlen 0 bis 36, getrennt durch Kommas, Leerzeichen oder
                       Zeilenumbrüche; jede Datei ist eine Session, - liest die
                       Standardeingabe. Nicht zusammen mit --sessions, --spins,
                       --seed.
Spiel:
  --halten             mit „Stufe halten“
  --bankroll B,B,…     Kapital in Stücken für das Ruinrisiko
                       (Vorgabe 100,1000,10000,100000,1000000)
Ausgabe:
  --threads T          Threads (Vorgabe: alle Kerne)
  --json               der Bericht als ein JSON-Dokument
  --chart DATEI.png    Ruinrisiko und Tiefe der Partien als Bild (800 × 500)
  --quiet              keine Fortschrittsanzeige
  --help               diese Hilfe

Perzentile nach dem Nearest-Rank-Verfahren; das Ruinrisiko ist der Anteil der
Sessions, in denen ein Partie-Saldo unter -B fiel, mit 95-%-Wilson-Intervall.
Strg+C beendet vorzeitig und zeigt den Bericht der fertigen Sessions
(Exit-Status 130). Fehlerhafte Eingaben: eine Zeile auf stderr, Exit-Status 2.
)";

namespace {

template <class T>
T wholeNumber(const std::string& option, const std::string& text)
{
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size())
        throw UsageError(option + " erwartet eine ganze Zahl, nicht „" + text + "“");
    return value;
}

template <class T>
T positiveNumber(const std::string& option, const std::string& text)
{
    const T value = wholeNumber<T>(option, text);
    if (!(value > T{0}))
        throw UsageError(option + " muss größer als 0 sein");
    return value;
}

std::vector<std::int64_t> bankrolls(const std::string& text)
{
    std::vector<std::int64_t> list;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        list.push_back(positiveNumber<std::int64_t>("--bankroll", text.substr(start, comma - start)));
        if (comma == std::string::npos)
            return list;
        start = comma + 1;
    }
}

} // namespace

SimOptions parseOptions(const std::vector<std::string>& args)
{
    SimOptions options;
    bool wheelGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string option = args[i];
        std::optional<std::string> attached;
        if (const auto equals = option.find('='); option.starts_with("--") && equals != std::string::npos) {
            attached = option.substr(equals + 1);
            option.resize(equals);
        }
        auto value = [&]() -> std::string {
            if (attached)
                return *attached;
            if (i + 1 >= args.size())
                throw UsageError(option + " erwartet einen Wert");
            return args[++i];
        };
        auto flag = [&] {
            if (attached)
                throw UsageError(option + " nimmt keinen Wert");
            return true;
        };

        if (option == "--sessions") {
            options.sessions = positiveNumber<std::uint64_t>(option, value());
            wheelGiven = true;
        } else if (option == "--spins") {
            options.spins = positiveNumber<std::uint64_t>(option, value());
            wheelGiven = true;
        } else if (option == "--seed") {
            options.seed = wholeNumber<std::uint64_t>(option, value());
            wheelGiven = true;
        } else if (option == "--spins-from") {
            options.spinFiles.push_back(value());
            while (i + 1 < args.size() && (args[i + 1] == "-" || !args[i + 1].starts_with("-")))
                options.spinFiles.push_back(args[++i]);
        } else if (option == "--halten") {
            options.stufeHalten = flag();
        } else if (option == "--bankroll") {
            options.bankrolls = bankrolls(value());
        } else if (option == "--threads") {
            options.threads = positiveNumber<unsigned>(option, value());
        } else if (option == "--json") {
            options.json = flag();
        } else if (option == "--chart") {
            options.chartPath = value();
        } else if (option == "--quiet") {
            options.quiet = flag();
        } else if (option == "--help") {
            options.help = flag();
        } else {
            throw UsageError("unbekannte Option „" + args[i] + "“ (--help zeigt alle)");
        }
    }
    if (wheelGiven && !options.spinFiles.empty())
        throw UsageError("--spins-from geht nicht zusammen mit --sessions, --spins oder --seed");
    return options;
}

} // namespace tavrel::sim
