// "Export + Versand" against a real SMTP server on loopback: what arrives is taken apart
// by Python's email package, so the message is checked by a parser other than ours.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "app/ExportVersand.h"
#include "suite/DateTime.h"
#include "suite/DocBroadcast.h"
#include "suite/MenuLog.h"
#include "suite/QTXInfo.h"
#include "suite/transfer/MailEinstellungen.h"
#include "suite/transfer/SendDoc.h"
#include "support/LocalServers.h"
#include "support/TestSuite.h"

namespace fs = std::filesystem;

namespace {

const TIntPair kMandant{1, 1};

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TAbrechnung Abrechnung() {
  return {kMandant, 12, 2026, EncodeDate(2026, 11, 1), EncodeDate(2026, 11, 30)};
}

class MailVersand : public ::testing::Test {
 protected:
  void Start(LocalSmtpServer::Options options = {}) {
    server_ = std::make_unique<LocalSmtpServer>(suite_.Dir() / "smtp", options);
  }

  TMailEinstellungen Einstellungen() const {
    TMailEinstellungen e;
    e.Mandant = kMandant;
    e.Host = "127.0.0.1";
    e.Port = server_ ? server_->Port() : FreePort();
    e.Tls = TMailTls::Keine;
    e.Absender = "fibu@haendler.example";
    e.Empfaenger = {"berater@kanzlei.example"};
    e.Zeitlimit = 10;
    return e;
  }

  // An export file with every byte value, CR LF lines and a line that is a lone dot.
  std::string Datei(const std::string& name) const {
    std::string daten = "EXTF;700;21;Buchungsstapel\r\n.\r\n..\r\nUmsatz;Konto\r\n";
    for (int i = 0; i < 256; ++i) daten += static_cast<char>(i);
    daten += "\r\n";
    const auto pfad = suite_.Dir() / name;
    std::ofstream(pfad, std::ios::binary) << daten;
    return pfad.string();
  }

  static std::string Lesen(const std::string& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  TestSuite suite_;
  std::unique_ptr<LocalSmtpServer> server_;
};

TEST_F(MailVersand, TheMailCarriesHeadersTemplatesAndTheFilesByteForByte) {
  Start();
  auto e = Einstellungen();
  e.Empfaenger = {"berater@kanzlei.example", "zweite@kanzlei.example"};
  e.Betreff = "Export #abrnummer# (#AbrNummer#) vom #VONDATUM# bis #bisdatum# – Grüße aus Köln";
  e.Text =
      "Export #ABRNUMMER#\nZeitraum #VonDatum# - #BISDATUM#, erstellt #abrdatum#.\n"
      "Nochmals: #ABRNUMMER#\n";
  TMailEinstellungenSpeicher::Speichern(e);
  const std::string datev = Datei("EXTF_Buchungsstapel_12_2026.csv");
  const std::string zweite = Datei("Übersicht März.txt");

  ASSERT_TRUE(AlsMailVersenden(Abrechnung(), datev, zweite, {}, DocBroadcast()))
      << suite_.Messages().LastText();
  EXPECT_TRUE(Contains(suite_.Messages().LastText(), "versandt")) << suite_.Messages().LastText();

  const auto mails = server_->Mails();
  ASSERT_EQ(mails.size(), 1u);
  const auto& m = mails[0];
  EXPECT_EQ(m.defects, "");
  EXPECT_EQ(m.envelopeFrom, "fibu@haendler.example");
  EXPECT_EQ(m.envelopeTo,
            (std::vector<std::string>{"berater@kanzlei.example", "zweite@kanzlei.example"}));
  EXPECT_EQ(m.from, "fibu@haendler.example");
  EXPECT_EQ(m.to, "berater@kanzlei.example, zweite@kanzlei.example");
  EXPECT_EQ(m.subject, "Export 12/2026 (12/2026) vom 01.11.2026 bis 30.11.2026 – Grüße aus Köln");
  EXPECT_EQ(m.body, "Export 12/2026\r\nZeitraum 01.11.2026 - 30.11.2026, erstellt " +
                        DateToStr(qtx_Date()) + ".\r\nNochmals: 12/2026\r\n");
  EXPECT_FALSE(m.date.empty());
  EXPECT_TRUE(Contains(m.messageId, "@haendler.example>")) << m.messageId;

  ASSERT_EQ(m.attachments.size(), 2u);
  EXPECT_EQ(m.attachments[0].name, "EXTF_Buchungsstapel_12_2026.csv");
  EXPECT_EQ(m.attachments[0].type, "text/csv; charset=\"windows-1252\"");
  EXPECT_EQ(m.attachments[0].data, Lesen(datev));
  EXPECT_EQ(m.attachments[1].name, "Übersicht März.txt");
  EXPECT_EQ(m.attachments[1].data, Lesen(zweite));

  // On the wire: encoded words for the subject, CR LF only, no line over 78 characters.
  EXPECT_TRUE(Contains(m.raw, "Subject: =?UTF-8?B?"));
  std::size_t start = 0;
  while (start < m.raw.size()) {
    const auto ende = m.raw.find("\r\n", start);
    const std::string zeile = m.raw.substr(start, ende - start);
    EXPECT_LE(zeile.size(), 78u) << zeile;
    EXPECT_EQ(zeile.find('\n'), std::string::npos) << zeile;
    if (ende == std::string::npos) break;
    start = ende + 2;
  }
}

TEST_F(MailVersand, ARefusedLoginSendsNothingAndNeverShowsThePassword) {
  Start({"kunde", "richtig-geheim", {}, ""});
  auto e = Einstellungen();
  e.Benutzer = "kunde";
  e.Passwort = "falsch-geheim";
  const std::string datei = Datei("a.csv");
  TMailNachricht n{"", {}, "Betreff", "Text", {datei}, 2};

  const auto abgelehnt = TSendDoc(e).Senden(n);
  EXPECT_EQ(abgelehnt.Status, TMailStatus::AnmeldungAbgelehnt) << abgelehnt.Text;
  EXPECT_TRUE(Contains(abgelehnt.Text, "Anmeldung von \"kunde\" abgelehnt")) << abgelehnt.Text;
  EXPECT_TRUE(server_->Mails().empty());
  for (const auto& r : QTXInfo().Registrations()) {
    EXPECT_FALSE(Contains(r.text, "geheim")) << r.text;
  }

  e.Passwort = "richtig-geheim";
  const auto gesendet = TSendDoc(e).Senden(n);
  EXPECT_TRUE(gesendet.Gesendet()) << gesendet.Text;
  EXPECT_EQ(server_->Mails().size(), 1u);
}

TEST_F(MailVersand, AServerThatIsDownIsNamedAndTheBatchLogSaysTheExportStands) {
  Start();
  const auto e = Einstellungen();
  TMailEinstellungenSpeicher::Speichern(e);
  server_->Stop();

  EXPECT_FALSE(AlsMailVersenden(Abrechnung(), Datei("a.csv"), "", {}, DocBroadcast(), true));
  const auto zeilen = MenuLog_Tail(1);
  ASSERT_EQ(zeilen.size(), 1u);
  EXPECT_EQ(zeilen[0].title, "Saldix Export");
  EXPECT_TRUE(Contains(zeilen[0].text, "Die Exportdatei wurde erstellt, aber nicht per Mail"))
      << zeilen[0].text;
  EXPECT_TRUE(
      Contains(zeilen[0].text, "127.0.0.1:" + std::to_string(e.Port) + " ist nicht erreichbar"))
      << zeilen[0].text;
}

TEST_F(MailVersand, ARefusedRecipientStopsTheWholeMailAndIsNamed) {
  Start({"", "", {"weg@kanzlei.example"}, ""});
  auto e = Einstellungen();
  e.Empfaenger = {"berater@kanzlei.example", "weg@kanzlei.example"};
  const auto ergebnis = TSendDoc(e).Senden({"", {}, "Betreff", "Text", {Datei("a.csv")}, 2});
  EXPECT_EQ(ergebnis.Status, TMailStatus::EmpfaengerAbgelehnt) << ergebnis.Text;
  EXPECT_TRUE(Contains(ergebnis.Text, "\"weg@kanzlei.example\" abgelehnt: 550")) << ergebnis.Text;
  EXPECT_TRUE(server_->Mails().empty());
}

TEST_F(MailVersand, AMissingAttachmentOrMissingSettingsSendNothing) {
  Start();
  TBroadcastRueckrufe rueckrufe;
  std::vector<std::string> folge;
  rueckrufe.MailDaten = [&](const TBroadcastDokument&, TBroadcastMailDaten&) {
    folge.push_back("daten");
  };
  rueckrufe.Start = [&](const TMailNachricht&) { folge.push_back("start"); };
  rueckrufe.Ende = [&](const TMailErgebnis&) { folge.push_back("ende"); };
  TBroadcastDokument dokument;
  dokument.DokumentNr = kMandant;
  dokument.Anhaenge = {Datei("a.csv"), (suite_.Dir() / "fehlt.csv").string()};

  auto ergebnis = DocBroadcast().Versenden(dokument, rueckrufe);
  EXPECT_EQ(ergebnis.Status, TMailStatus::NichtEingerichtet);
  EXPECT_TRUE(folge.empty());

  TMailEinstellungenSpeicher::Speichern(Einstellungen());
  ergebnis = DocBroadcast().Versenden(dokument, rueckrufe);
  EXPECT_EQ(ergebnis.Status, TMailStatus::AnhangFehlt) << ergebnis.Text;
  EXPECT_TRUE(Contains(ergebnis.Text, "fehlt.csv")) << ergebnis.Text;
  EXPECT_EQ(folge, (std::vector<std::string>{"daten", "start", "ende"}));
  EXPECT_TRUE(server_->Mails().empty());
}

TEST_F(MailVersand, TlsIsRequiredAndTheServersCertificateChecked) {
  Start({"kunde", "geheim", {}, "starttls"});
  auto e = Einstellungen();
  e.Tls = TMailTls::StartTls;
  e.Benutzer = "kunde";
  e.Passwort = "geheim";
  const TMailNachricht n{"", {}, "Betreff", "Text", {}, 2};
  // The self-signed certificate is none the system trusts.
  EXPECT_EQ(TSendDoc(e).Senden(n).Status, TMailStatus::Tls);
  TSendDoc sender(e);
  sender.SetZertifikatsdatei(server_->Certificate());
  const auto gesendet = sender.Senden(n);
  EXPECT_TRUE(gesendet.Gesendet()) << gesendet.Text;

  LocalSmtpServer implizit(suite_.Dir() / "smtps", {"", "", {}, "tls"});
  e = Einstellungen();
  e.Port = implizit.Port();
  e.Tls = TMailTls::Tls;
  TSendDoc tls(e);
  tls.SetZertifikatsdatei(implizit.Certificate());
  EXPECT_TRUE(tls.Senden(n).Gesendet());
  EXPECT_EQ(implizit.Mails().size(), 1u);

  // A server without STARTTLS never sees the login when STARTTLS is asked for.
  LocalSmtpServer klar(suite_.Dir() / "klar");
  e.Port = klar.Port();
  e.Tls = TMailTls::StartTls;
  e.Benutzer = "kunde";
  e.Passwort = "geheim";
  const auto ohne = TSendDoc(e).Senden(n);
  EXPECT_EQ(ohne.Status, TMailStatus::Tls) << ohne.Text;
  EXPECT_TRUE(klar.Mails().empty());
  EXPECT_EQ(server_->Mails().size(), 1u);
}

TEST(MailEinstellungen, LinesThatCouldStartHeadersOrCommandsAreRefused) {
  TestSuite suite;
  TMailEinstellungen e;
  e.Mandant = kMandant;
  e.Host = "mail.example";
  e.Absender = "a@b.example";
  e.Empfaenger = {"c@d.example"};
  ASSERT_EQ(MailEinstellungenPruefen(e), "");
  auto mit = [&](auto aendern) {
    auto kopie = e;
    aendern(kopie);
    return MailEinstellungenPruefen(kopie);
  };
  EXPECT_NE(mit([](auto& k) { k.Betreff = "Export\r\nBcc: x@y.example"; }), "");
  EXPECT_NE(mit([](auto& k) { k.Empfaenger = {"c@d.example>\r\nRCPT TO:<x@y.example"}; }), "");
  EXPECT_NE(mit([](auto& k) { k.Absender = "ohne-at"; }), "");
  EXPECT_NE(mit([](auto& k) { k.Host = "mail.example/pfad"; }), "");
  EXPECT_NE(mit([](auto& k) { k.Empfaenger.clear(); }), "");
  EXPECT_THROW(TMailEinstellungenSpeicher::Speichern([&] {
                 auto k = e;
                 k.Passwort = "ohne Benutzer";
                 return k;
               }()),
               std::invalid_argument);
  EXPECT_FALSE(TMailEinstellungenSpeicher::Lesen(kMandant).has_value());

  e.Benutzer = "u";
  e.Passwort = "p";
  e.Empfaenger = MailAdressenTeilen(" c@d.example , e@f.example,");
  TMailEinstellungenSpeicher::Speichern(e);
  suite.Reopen();
  const auto gelesen = TMailEinstellungenSpeicher::Lesen(kMandant);
  ASSERT_TRUE(gelesen.has_value());
  EXPECT_EQ(gelesen->Empfaenger, (std::vector<std::string>{"c@d.example", "e@f.example"}));
  EXPECT_EQ(gelesen->Passwort, "p");
  EXPECT_EQ(gelesen->WirksamerPort(), 587);
}

}  // namespace
