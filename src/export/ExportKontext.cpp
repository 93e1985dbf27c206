#include "export/ExportKontext.h"

#include "suite/DateTime.h"
#include "suite/Files.h"
#include "suite/Paths.h"
#include "suite/QTXInfo.h"
#include "suite/SuiteDatabase.h"
#include "suite/transfer/FTP_SFTP_Simple_Use.h"

std::vector<TMandListeEintrag> TSuiteExportKontext::Mandanten() const {
  return TMandListeServer(SuiteDatabase::Get()).Liste();
}

TDateTime TSuiteExportKontext::Jetzt() const { return qtx_Now(); }

std::string TSuiteExportKontext::TempVerzeichnis() const { return GetDirWwsByName(27, ""); }

std::string TSuiteExportKontext::ExportVerzeichnis(const std::string& gespeichert) const {
  return SuitePfadGeladen(gespeichert);
}

TQTXInfo& TSuiteExportKontext::Meldungen() const { return QTXInfo(); }

bool TSuiteExportKontext::Hochladen(const std::string& datei, const std::string& verbindung,
                                    const std::string& remoteName, std::string& fehler) {
  TKWX_FTP_SFTP_Simple_Use transfer;
  const bool ok = transfer.UploadDatei(datei, verbindung, remoteName);
  fehler = ok ? std::string() : transfer.FehlerText();
  return ok;
}

suitedb::Connection& TSuiteExportKontext::Datenbank() const { return SuiteDatabase::Get(); }

std::shared_ptr<IExportKontext> SuiteExportKontext() {
  static const auto kontext = std::make_shared<TSuiteExportKontext>();
  return kontext;
}
