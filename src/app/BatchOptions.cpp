#include "app/BatchOptions.h"

#include <functional>
#include <map>

#include "platform/Errors.h"
#include "platform/NumberParsing.h"
#include "platform/TextCodec.h"
#include "print/LabelPrinting.h"

namespace quorvel {
namespace {

using TSetter = std::function<void(TBatchOptions&, const std::string&)>;

// The value of a numeric option as a whole number within its range.
int Number(const std::string& option, const std::string& value, int min, int max) {
  auto refuse = [&] {
    return EUsageError(option + " erwartet eine ganze Zahl von " + std::to_string(min) + " bis " +
                       std::to_string(max) + ", nicht " + QuotedForMessage(value));
  };
  int number = 0;
  try {
    number = StrToInt(value);
  } catch (const EConvertError&) {
    throw refuse();
  }
  if (number < min || number > max) throw refuse();
  return number;
}

constexpr int kMaxSheetMm = 5000;  // PDF pages end at 200 inches
constexpr int kMaxLines = 1'000'000'000;
constexpr int kMaxColumn = 100'000;

const std::map<std::string, TSetter>& ValueOptions() {
  static const std::map<std::string, TSetter> options = {
      {"--pdf", [](TBatchOptions& o, const std::string& v) { o.PdfFile = v; }},
      {"--printer", [](TBatchOptions& o, const std::string& v) { o.PrinterName = v; }},
      {"--png", [](TBatchOptions& o, const std::string& v) { o.PngFile = v; }},
      {"--save", [](TBatchOptions& o, const std::string& v) { o.SaveFile = v; }},
      {"--dpi", [](TBatchOptions& o, const std::string& v) { o.Dpi = Number("--dpi", v, 10, 2400); }},
      {"--copies", [](TBatchOptions& o, const std::string& v) { o.Copies = Number("--copies", v, 1, kMaxCopies); }},
      {"--start",
       [](TBatchOptions& o, const std::string& v) {
         std::size_t slash = v.find('/');
         if (slash == std::string::npos)
           throw EUsageError("--start erwartet ZEILE/SPALTE, nicht " +
                             QuotedForMessage(v));
         o.StartRow = Number("--start (Zeile)", v.substr(0, slash), 1, kMaxLines);
         o.StartColumn = Number("--start (Spalte)", v.substr(slash + 1), 1, kMaxLines);
       }},
      {"--series", [](TBatchOptions& o, const std::string& v) { o.SeriesFile = v; }},
      {"--from", [](TBatchOptions& o, const std::string& v) { o.FirstLine = Number("--from", v, 1, kMaxLines); }},
      {"--to", [](TBatchOptions& o, const std::string& v) { o.LastLine = Number("--to", v, 1, kMaxLines); }},
      {"--each", [](TBatchOptions& o, const std::string& v) { o.EachCount = Number("--each", v, 1, kMaxLineCopies); }},
      {"--quantity-column",
       [](TBatchOptions& o, const std::string& v) { o.QuantityColumn = Number("--quantity-column", v, 1, kMaxColumn); }},
      {"--sheet-width",
       [](TBatchOptions& o, const std::string& v) { o.SheetWidth = Number("--sheet-width", v, 1, kMaxSheetMm); }},
      {"--sheet-height",
       [](TBatchOptions& o, const std::string& v) { o.SheetHeight = Number("--sheet-height", v, 1, kMaxSheetMm); }},
      {"--job-sheets",
       [](TBatchOptions& o, const std::string& v) { o.JobSheets = Number("--job-sheets", v, 1, kMaxSheets); }},
      {"--report", [](TBatchOptions& o, const std::string& v) { o.ReportFile = v; }},
      {"--from-sheet",
       [](TBatchOptions& o, const std::string& v) { o.FromSheet = Number("--from-sheet", v, 1, kMaxSheets); }},
      {"--to-sheet", [](TBatchOptions& o, const std::string& v) { o.ToSheet = Number("--to-sheet", v, 1, kMaxSheets); }},
  };
  return options;
}

void CheckCombination(const TBatchOptions& o) {
  if (o.Help) return;
  if (o.LabelFile.empty()) throw EUsageError("Keine Etikettdatei angegeben");
  if (!o.PdfFile.empty() && !o.PrinterName.empty()) throw EUsageError("--pdf und --printer schließen sich aus");
  if (o.SeriesFile && o.SeriesFromLabel) throw EUsageError("--series und --series-from-label schließen sich aus");
  if (o.Copies && o.PrintsSeries()) throw EUsageError("--copies und eine Serie schließen sich aus");
  if ((o.Copies || o.PrintsSeries()) && !o.Prints())
    throw EUsageError("Zum Drucken fehlt --pdf oder --printer");
  if (!o.Prints() && o.PngFile.empty() && o.SaveFile.empty() && !o.PrintsSeries())
    throw EUsageError("Nichts zu tun: --pdf, --printer, --png oder --save angeben");
  if (o.PrintsJobs() && o.PrinterName.empty()) throw EUsageError("--job-sheets, --wait und --report verlangen --printer");
  if ((o.FromSheet || o.ToSheet) && !o.Prints()) throw EUsageError("--from-sheet und --to-sheet verlangen einen Druck");
  if (o.FromSheet && o.ToSheet && *o.FromSheet > *o.ToSheet)
    throw EUsageError("--from-sheet " + std::to_string(*o.FromSheet) + " liegt hinter --to-sheet " +
                      std::to_string(*o.ToSheet));
  if (o.FirstLine > o.LastLine)
    throw EUsageError("--from " + std::to_string(o.FirstLine) + " liegt hinter --to " + std::to_string(o.LastLine));
}

}  // namespace

TBatchOptions ParseBatchArguments(const std::vector<std::string>& arguments) {
  TBatchOptions options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--help" || argument == "-h") {
      options.Help = true;
    } else if (argument == "--series-from-label") {
      options.SeriesFromLabel = true;
    } else if (argument == "--strict") {
      options.Strict = true;
    } else if (argument == "--allow-invalid") {
      options.AllowInvalid = true;
    } else if (argument == "--wait") {
      options.Wait = true;
    } else if (argument == "--landscape" || argument == "--portrait") {
      options.Landscape = argument == "--landscape";
    } else if (auto setter = ValueOptions().find(argument); setter != ValueOptions().end()) {
      if (i + 1 >= arguments.size()) throw EUsageError(argument + " erwartet einen Wert");
      setter->second(options, arguments[++i]);
    } else if (argument.starts_with("-") && argument != "-") {
      throw EUsageError("Unbekannte Option " + QuotedForMessage(argument));
    } else if (options.LabelFile.empty()) {
      options.LabelFile = argument;
    } else {
      throw EUsageError("Mehr als eine Etikettdatei angegeben: " +
                        QuotedForMessage(argument));
    }
  }
  CheckCombination(options);
  return options;
}

const std::string& BatchUsage() {
  static const std::string usage = R"(Aufruf: quorvel-batch ETIKETT.lab [Optionen]

Druckt ein Etikett oder eine Serie ohne Fenster.

Ausgabe:
  --pdf DATEI.pdf          in eine PDF-Datei drucken (Seite = bedruckbarer Bereich des Blattes)
  --printer NAME           auf den Drucker NAME drucken (CUPS)
  --png DATEI.png          nur das Etikett als Bild, wie die Vorschau, mit --dpi (Vorgabe 300)
  --dpi N                  Auflösung für PDF (Vorgabe 600) oder PNG (Vorgabe 300), 10 bis 2400
  --save DATEI.lab         das Etikett speichern, nach einer Serie mit den Werten der letzten Zeile
                           (QR-Codes behalten ihren gespeicherten Text)

Was gedruckt wird (Vorgabe: einmal in der Ecke, wie "Drucken"):
  --copies N               N Exemplare des Etiketts ab --start (höchstens )" +
                                   std::to_string(kMaxCopies) + R"()
  --start ZEILE/SPALTE     erste Zelle des Blattes, ab 1 gezählt (Vorgabe 1/1)
  --series DATEI.csv       Seriendruck aus DATEI
  --series-from-label      Seriendruck aus der Seriendatei, die das Etikett nennt
  --from Z --to Z          Zeilenbereich der Serie (Vorgabe 1 und 9999)
  --each N                 Exemplare je Zeile, wenn keine Mengenspalte gilt (Vorgabe 1, höchstens )" +
                                   std::to_string(kMaxLineCopies) + R"()
  --quantity-column Q      Spalte der Serie mit der Anzahl je Zeile (höchstens )" +
                                   std::to_string(kMaxLineCopies) + R"( je Zeile)

Produktion über CUPS (mit --printer; NAME ist ein Drucker, eine Klasse oder NAME@SERVER):
  --job-sheets N           je N Blätter ein eigener Druckauftrag "Quorvel ETIKETT Bogen a–b"
  --wait                   warten, bis jeder Auftrag fertig ist; 1, wenn einer angehalten,
                           abgebrochen oder verworfen wurde (mit seinen Blättern und Zeilen)
  --report DATEI.json      je Auftrag Nummer, Drucker, Blätter, Zeilen, Exemplare und Zustand
  --from-sheet K --to-sheet L   nur die Blätter K bis L des Laufs, jedes Etikett an seinem Platz

Prüfung vor dem Druck (jeder Barcode und QR-Code bei der Auflösung des Drucks):
  ungültiger Wert, zu kleines Feld oder zu langer Text: Meldung, nichts gedruckt, Rückgabewert 1
  Modul unter 2 Druckpunkten: Warnung, es wird gedruckt
  --strict                 auch bei Modulen unter 2 Druckpunkten nicht drucken
  --allow-invalid          trotz der Meldungen drucken

Blatt (sonst aus der Etikettdatei):
  --sheet-width MM --sheet-height MM   bedruckbarer Bereich im Hochformat, 1 bis )" +
                                   std::to_string(kMaxSheetMm) + R"( mm
  --landscape | --portrait             Ausrichtung

Ein Lauf druckt höchstens )" + std::to_string(kMaxSheets) +
                                   R"( Blätter; das wird vor dem ersten Blatt geprüft.

Rückgabewert: 0 Erfolg, 1 fehlerhafte Eingabe oder Druck, 2 falscher Aufruf,
128 + Signal nach Abbruch durch SIGINT, SIGTERM oder SIGHUP.
)";
  return usage;
}

}  // namespace quorvel
