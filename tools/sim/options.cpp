#include "sim.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <set>
#include <fcntl.h>
#include <unistd.h>

namespace tavrel::sim {

const char* const HelpText = R"(Aufruf: tavrel-sim [OPTIONEN]

Spielt das System Coup für Coup durch (mit den Regeln des Programms selbst) und
berichtet, wie tief und wie lang Partien werden, wie hoch die Einsätze steigen,
welches Kapital eine Partie mit welcher Sicherheit durchsteht und was das Spiel
im Mittel kostet. Jede Session beginnt frisch mit „System aktiv“.

Kessel:
  --sessions S         Anzahl der Sessions, ab 1 (Vorgabe 1000)
  --spins N            Coups je Session, ab 1 (Vorgabe 30000); S × N höchstens
                       9.223.372.036.854.775.807
  --seed X             Startwert, 0 bis 18.446.744.073.709.551.615 (Vorgabe 1).
                       Session i zieht aus std::mt19937_64, geseedet mit
                       std::seed_seq{X mod 2^32, X div 2^32, i mod 2^32,
                       i div 2^32}; jeder 64-Bit-Wert ab dem größten Vielfachen
                       von 37 wird verworfen, sonst gilt der Rest durch 37. So
                       ist jede Zahl gleich wahrscheinlich, und der Bericht
                       hängt weder von der Zahl der Threads noch von der
                       Standardbibliothek ab.
  --spins-from DATEI…  gespielte Coups statt eines simulierten Kessels: ganze
                       Zahlen 0 bis 36, getrennt durch Kommas, Leerzeichen oder
                       Zeilenumbrüche, oder ein im Fenster gespeicherter Abend
                       (seine click-Zeilen ohne die, die ein undo zurücknahm);
                       jede Datei ist eine Session, - liest einmal die
                       Standardeingabe. Nicht zusammen mit --sessions,
                       --spins, --seed.
Spiel:
  --halten             mit „Stufe halten“
  --limit L            Tischlimit in Einheiten je Cheval, 1 bis 2.147.483.647:
                       Eine Partie, die mehr als L Einheiten auf einen Cheval
                       setzen würde, wird vor diesem Coup aufgegeben (Reset,
                       „System aktiv“, mit --halten auch „Stufe halten“); ihr
                       Verlust bleibt im Ergebnis, und der Coup beginnt eine
                       neue Partie. Vorgabe: kein Limit
  --bankroll B,B,…     Kapital in Einheiten für das Ruinrisiko, jedes ab 1,
                       auch als 1.000 geschrieben
                       (Vorgabe 100,1000,10000,100000,1000000)
  --risk R             Risiko in Prozent, über 0 und unter 100, mit Punkt
                       oder Komma (Vorgabe 1): der Bericht nennt das kleinste
                       ganze Kapital bis 1.000.000, bei dem höchstens R % der
                       Sessions ruiniert wurden
Ausgabe:
  --threads T          Threads, ab 1; höchstens so viele wie Sessions und 256
                       (Vorgabe: alle Kerne)
  --json               der Bericht als ein JSON-Dokument
  --chart DATEI.png    Ruinrisiko und Tiefe der Partien als Bild (800 × 500),
                       mit dem Kapital für höchstens R % Risiko und seinem
                       95-%-Intervall; der Ordner muss bestehen und
                       beschreibbar sein
  --quiet              keine Fortschrittsanzeige
  -h, --help           diese Hilfe
  --version            die Version

Perzentile nach dem Nearest-Rank-Verfahren über die abgeschlossenen Partien;
die äußersten Werte zählen auch die am Ende offenen Partien. Das Kapital B
steht jeder Partie von ihrem Beginn an frisch zur Verfügung; das Ruinrisiko ist
der Anteil der Sessions, in denen eine Partie einen Einsatz verlangte, der
größer war als der Rest von B (B plus der Saldo der Partie vor dem Coup), mit
95-%-Wilson-Intervall. Das Kapital für höchstens R % Risiko ergibt sich aus
dem größten Bedarf jeder Session (Einsatz minus Saldo der Partie vor dem
Coup), sein 95-%-Intervall aus den Rangstatistiken. Endet die Auswertung nach einem Überlauf von Gesamt,
zählen die späteren Coups der Session weder im Umsatz noch im
Ergebnis.

Exit-Status: 0 fertig; 1 Bild nicht geschrieben; 2 fehlerhafte Eingabe (eine
Zeile auf stderr, vor dem ersten Coup); 130 mit Strg+C abgebrochen, der Bericht
zeigt die fertigen Sessions.
)";

template <class T>
T wholeNumber(const std::string& what, std::string_view text, T lowest, T highest)
{
    // As the report prints it, too: "1.000" reads as 1000.
    const std::string digits = german::withoutGrouping(text);
    T value{};
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    const bool complete = !digits.empty() && end == digits.data() + digits.size();
    if (complete && error == std::errc{} && value >= lowest && value <= highest)
        return value;
    const bool tooLarge = complete && error == std::errc::result_out_of_range && text.front() != '-';
    const auto shown = [](T v) {
        if constexpr (std::is_signed_v<T>)
            return grouped(static_cast<std::int64_t>(v));
        else
            return grouped(static_cast<std::uint64_t>(v));
    };
    const std::string range = tooLarge || highest < std::numeric_limits<T>::max()
                                  ? "von " + shown(lowest) + " bis " + shown(highest)
                                  : "ab " + shown(lowest);
    throw UsageError(what + " erwartet eine ganze Zahl " + range + ", nicht „" + std::string(text) + "“");
}

template int wholeNumber(const std::string&, std::string_view, int, int);
template unsigned wholeNumber(const std::string&, std::string_view, unsigned, unsigned);
template std::int64_t wholeNumber(const std::string&, std::string_view, std::int64_t, std::int64_t);
template std::uint64_t wholeNumber(const std::string&, std::string_view, std::uint64_t, std::uint64_t);

std::string systemReason(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return "nicht gefunden";
    case EACCES:
    case EPERM:
    case EROFS:
        return "keine Berechtigung";
    case EISDIR:
        return "ist ein Verzeichnis";
    default:
        return "nicht lesbar";
    }
}

namespace {

std::vector<std::int64_t> bankrolls(const std::string& text)
{
    std::vector<std::int64_t> list;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string entry = text.substr(start, comma - start);
        if (entry.empty())
            throw UsageError("--bankroll: leerer Eintrag in „" + text + "“");
        list.push_back(wholeNumber<std::int64_t>("--bankroll", entry, 1));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    // The table and the chart run from the smallest bankroll up.
    std::sort(list.begin(), list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
    return list;
}

// A share in percent as a player writes it, "0,5" or "0.5"; as a fraction.
double riskShare(const std::string& text)
{
    const auto percent = german::readDecimal(text);
    if (!percent || *percent <= 0 || *percent >= 100)
        throw UsageError("--risk erwartet eine Zahl in Prozent über 0 und unter 100, nicht „" + text + "“");
    return *percent / 100;
}

// Refused before the first spin rather than after the last.
void checkChartPath(const std::string& path)
{
    namespace fs = std::filesystem;
    const fs::path file(path);
    if (file.extension() != ".png" || file.stem().empty())
        throw UsageError("--chart erwartet einen Dateinamen auf .png, nicht „" + path + "“");
    const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
    std::error_code error;
    if (!fs::is_directory(folder, error))
        throw UsageError("--chart: Ordner „" + folder.string() + "“ " + (fs::exists(folder, error) ? "ist kein Ordner" : "nicht gefunden"));
    if (fs::is_directory(file, error))
        throw UsageError("--chart: „" + path + "“ ist ein Verzeichnis");
    // Opened for writing, not asked about: a permission check passes for root
    // even where no file can be made, as in /proc. A file made here goes again.
    const bool exists = fs::exists(file, error);
    const int fd = ::open(file.c_str(), exists ? O_WRONLY : O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0)
        throw UsageError("--chart: „" + path + "“ lässt sich nicht " + (exists ? "überschreiben" : "anlegen") + ": "
                         + systemReason(errno));
    ::close(fd);
    if (!exists)
        fs::remove(file, error);
}

} // namespace

SimOptions parseOptions(const std::vector<std::string>& args)
{
    SimOptions options;
    std::set<std::string> given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string option = args[i];
        std::optional<std::string> attached;
        if (const auto equals = option.find('='); option.starts_with("--") && equals != std::string::npos) {
            attached = option.substr(equals + 1);
            option.resize(equals);
        }
        if (option == "-h")
            option = "--help";
        if (!option.starts_with("-") || option == "-")
            throw UsageError("überzähliges Argument „" + args[i] + "“ (--help zeigt alle Optionen)");
        if (!given.insert(option).second)
            throw UsageError(option + " ist mehrfach angegeben");
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
            options.sessions = wholeNumber<std::int64_t>(option, value(), 1);
        } else if (option == "--spins") {
            options.spins = wholeNumber<std::int64_t>(option, value(), 1);
        } else if (option == "--seed") {
            options.seed = wholeNumber<std::uint64_t>(option, value(), 0);
        } else if (option == "--spins-from") {
            options.spinFiles.push_back(value());
            while (i + 1 < args.size() && (args[i + 1] == "-" || !args[i + 1].starts_with("-")))
                options.spinFiles.push_back(args[++i]);
            if (std::count(options.spinFiles.begin(), options.spinFiles.end(), "-") > 1)
                throw UsageError("--spins-from: die Standardeingabe („-“) lässt sich nur einmal lesen");
        } else if (option == "--halten") {
            options.play.stufeHalten = flag();
        } else if (option == "--limit") {
            options.play.limit = static_cast<std::int32_t>(
                wholeNumber<std::int64_t>(option, value(), 1, std::numeric_limits<std::int32_t>::max()));
        } else if (option == "--bankroll") {
            options.bankrolls = bankrolls(value());
        } else if (option == "--risk") {
            options.risk = riskShare(value());
        } else if (option == "--threads") {
            options.threads = wholeNumber<unsigned>(option, value(), 1);
        } else if (option == "--json") {
            options.json = flag();
        } else if (option == "--chart") {
            options.chartPath = value();
        } else if (option == "--quiet") {
            options.quiet = flag();
        } else if (option == "--help") {
            options.help = flag();
        } else if (option == "--version") {
            options.version = flag();
        } else {
            throw UsageError("unbekannte Option „" + args[i] + "“ (--help zeigt alle)");
        }
    }
    if (!options.spinFiles.empty() && (given.contains("--sessions") || given.contains("--spins") || given.contains("--seed")))
        throw UsageError("--spins-from geht nicht zusammen mit --sessions, --spins oder --seed");
    if (options.spinFiles.empty() && options.sessions > std::numeric_limits<std::int64_t>::max() / options.spins)
        throw UsageError("--sessions × --spins ergibt mehr als " + grouped(std::numeric_limits<std::int64_t>::max())
                         + " Coups");
    if (options.chartPath && !options.help && !options.version)
        checkChartPath(*options.chartPath);
    return options;
}

} // namespace tavrel::sim
