#include "app/BatchOptions.h"

#include <functional>
#include <map>

namespace quorvel {
namespace {

using TSetter = std::function<void(TBatchOptions&, const std::string&)>;

// Options that take a value, and what they set.
const std::map<std::string, TSetter>& ValueOptions() {
  static const std::map<std::string, TSetter> options = {
      {"--pdf", [](TBatchOptions& o, const std::string& v) { o.PdfFile = v; }},
      {"--printer", [](TBatchOptions& o, const std::string& v) { o.PrinterName = v; }},
      {"--png", [](TBatchOptions& o, const std::string& v) { o.PngFile = v; }},
      {"--save", [](TBatchOptions& o, const std::string& v) { o.SaveFile = v; }},
      {"--dpi", [](TBatchOptions& o, const std::string& v) { o.Dpi = v; }},
      {"--copies", [](TBatchOptions& o, const std::string& v) { o.Copies = v; }},
      {"--start",
       [](TBatchOptions& o, const std::string& v) {
         std::size_t slash = v.find('/');
         if (slash == std::string::npos) throw EUsageError("--start erwartet ZEILE/SPALTE, nicht '" + v + "'");
         o.StartRow = v.substr(0, slash);
         o.StartColumn = v.substr(slash + 1);
       }},
      {"--series", [](TBatchOptions& o, const std::string& v) { o.SeriesFile = v; }},
      {"--from", [](TBatchOptions& o, const std::string& v) { o.FirstLine = v; }},
      {"--to", [](TBatchOptions& o, const std::string& v) { o.LastLine = v; }},
      {"--each", [](TBatchOptions& o, const std::string& v) { o.EachCount = v; }},
      {"--quantity-column", [](TBatchOptions& o, const std::string& v) { o.QuantityColumn = v; }},
      {"--sheet-width", [](TBatchOptions& o, const std::string& v) { o.SheetWidth = v; }},
      {"--sheet-height", [](TBatchOptions& o, const std::string& v) { o.SheetHeight = v; }},
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
    } else if (argument == "--landscape" || argument == "--portrait") {
      options.Landscape = argument == "--landscape";
    } else if (auto setter = ValueOptions().find(argument); setter != ValueOptions().end()) {
      if (i + 1 >= arguments.size()) throw EUsageError(argument + " erwartet einen Wert");
      setter->second(options, arguments[++i]);
    } else if (argument.starts_with("-") && argument != "-") {
      throw EUsageError("Unbekannte Option " + argument);
    } else if (options.LabelFile.empty()) {
      options.LabelFile = argument;
    } else {
      throw EUsageError("Mehr als eine Etikettdatei angegeben: " + argument);
    }
  }
  CheckCombination(options);
  return options;
}

const char* BatchUsage() {
  return R"(Aufruf: quorvel-batch ETIKETT.lab [Optionen]

Druckt ein Etikett oder eine Serie ohne Fenster.

Ausgabe:
  --pdf DATEI.pdf          in eine PDF-Datei drucken (Seite = bedruckbarer Bereich des Blattes)
  --printer NAME           auf den Drucker NAME drucken (CUPS)
  --png DATEI.png          nur das Etikett als Bild, wie die Vorschau, mit --dpi (Vorgabe 300)
  --dpi N                  Auflösung für PDF (Vorgabe 600) oder PNG (Vorgabe 300)
  --save DATEI.lab         das Etikett speichern, nach einer Serie mit den Werten der letzten Zeile

Was gedruckt wird (Vorgabe: einmal in der Ecke, wie "Drucken"):
  --copies N               N Exemplare des Etiketts ab --start
  --start ZEILE/SPALTE     erste Zelle des Blattes, ab 1 gezählt (Vorgabe 1/1)
  --series DATEI.csv       Seriendruck aus DATEI
  --series-from-label      Seriendruck aus der Seriendatei, die das Etikett nennt
  --from Z --to Z          Zeilenbereich der Serie (Vorgabe 1 und 9999)
  --each N                 Exemplare je Zeile, wenn keine Mengenspalte gilt (Vorgabe 1)
  --quantity-column Q      Spalte der Serie mit der Anzahl je Zeile

Prüfung vor dem Druck (jeder Barcode und QR-Code bei der Auflösung des Drucks):
  ungültiger Wert, zu kleines Feld oder zu langer Text: Meldung, nichts gedruckt, Rückgabewert 1
  Modul unter 2 Druckpunkten: Warnung, es wird gedruckt
  --strict                 auch bei Modulen unter 2 Druckpunkten nicht drucken
  --allow-invalid          trotz der Meldungen drucken

Blatt (sonst aus der Etikettdatei):
  --sheet-width MM --sheet-height MM   bedruckbarer Bereich im Hochformat
  --landscape | --portrait             Ausrichtung

Rückgabewert: 0 Erfolg, 1 fehlerhafte Eingabe oder Druck, 2 falscher Aufruf.
)";
}

}  // namespace quorvel
