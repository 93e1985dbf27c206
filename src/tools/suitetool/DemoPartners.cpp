#include "suitetool/DemoPartners.h"

#include <cstdio>
#include <string_view>

namespace suitetool {
namespace {

constexpr int kCustomers = 160;
constexpr int kSuppliers = 30;
constexpr int kPartnerRnr = 1;
constexpr int kFirstCustomer = 1001;
constexpr int kFirstSupplier = 5001;
constexpr int kFirstCustomerNumber = 1001;
// Partner-number kinds of the suite: creditor and debtor numbering.
constexpr int kNumberKind = 1;
constexpr int kCreditorKind = 1;
constexpr int kDebtorKind = 2;
// Customer attribute: the customer group.
constexpr int kGroupAttribute = 1;

constexpr const char* kFirstNames[] = {"Anna", "Jürgen", "Petra", "Klaus", "Sabine", "Mehmet",
                                       "Ingrid", "Lukas", "Sophie", "Özlem", "Thomas", "Heike"};
constexpr const char* kLastNames[] = {"Müller", "Schmidt", "Schneider", "Fischer", "Weber",
                                      "Meyer", "Wagner", "Becker", "Schulz", "Hoffmann",
                                      "Schäfer", "Koch", "Bauer", "Richter", "Klein", "Wolf"};
constexpr const char* kCompanyWords[] = {"Bau", "Technik", "Handel", "Service", "Logistik",
                                         "Möbel", "Elektro", "Garten", "Büro", "Getränke"};
constexpr const char* kCompanyForms[] = {"GmbH", "KG", "GmbH & Co. KG", "e.K.", "AG"};
constexpr const char* kStreets[] = {"Hauptstraße", "Bahnhofstraße", "Gartenweg", "Lindenallee",
                                    "Schulstraße", "Am Markt", "Industriestraße", "Mühlenweg"};

struct Town {
  const char* plz;
  const char* ort;
  const char* land;
};

constexpr Town kDomesticTowns[] = {{"20095", "Hamburg", "D"},  {"28195", "Bremen", "D"},
                                   {"80331", "München", "D"},  {"50667", "Köln", "D"},
                                   {"53111", "Bonn", "D"},     {"24103", "Kiel", "D"},
                                   {"90402", "Nürnberg", "D"}, {"04109", "Leipzig", "D"}};
constexpr Town kForeignTowns[] = {{"1010", "Wien", "A"},
                                  {"5020", "Salzburg", "A"},
                                  {"1012", "Amsterdam", "NL"},
                                  {"67000", "Strasbourg", "F"}};

template <typename T, std::size_t N>
const T& Pick(DemoRandom& random, const T (&items)[N]) {
  return items[random.Below(N)];
}

// Each pick in its own statement: the order of the random draws must not depend on
// the compiler's order of evaluating operands.
std::string PersonName(DemoRandom& random) {
  std::string name = Pick(random, kFirstNames);
  name += " ";
  name += Pick(random, kLastNames);
  return name;
}

std::string CompanyName(DemoRandom& random) {
  std::string name = Pick(random, kLastNames);
  name += " ";
  name += Pick(random, kCompanyWords);
  name += " ";
  name += Pick(random, kCompanyForms);
  return name;
}

std::string Street(DemoRandom& random) {
  std::string street = Pick(random, kStreets);
  street += " ";
  street += std::to_string(random.Between(1, 120));
  return street;
}

std::string VatId(const std::string& land, DemoRandom& random) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%08lld", static_cast<long long>(random.Between(0, 99999999)));
  if (land == "A") return std::string("ATU") + digits;
  if (land == "NL") return std::string("NL") + digits + "B01";
  return std::string("FR") + digits + "12";
}

class PartnerWriter {
 public:
  explicit PartnerWriter(suitedb::Connection& db)
      : partner_(db.Cached("INSERT INTO partner (gep_nr1, gep_nr2, name, kunden_nr, land, anrede) "
                           "VALUES (?, ?, ?, ?, ?, ?)")),
        address_(db.Cached("INSERT INTO partner_adressen (gep_nr1, gep_nr2, adr_nr, name, "
                           "strasse, hausnummer, plz, ort, land, vorname) "
                           "VALUES (?, ?, 1, ?, ?, ?, ?, ?, ?, ?)")),
        contact_(db.Cached("INSERT INTO partner_kontakte (gep_nr1, gep_nr2, kontakt_nr, name, "
                           "telefon, email) VALUES (?, ?, 1, ?, ?, ?)")),
        number_(db.Cached("INSERT INTO partner_nummern (gep_nr1, gep_nr2, art1, art2, nummer) "
                          "VALUES (?, ?, ?, ?, ?)")),
        attribute_(db.Cached("INSERT INTO partner_merkmale (gep_nr1, gep_nr2, merkmal, wert) "
                             "VALUES (?, ?, ?, ?)")) {}

  // salutation: the suite's mark, "M" or "W" for a person, "F" for a company; a person's
  // first name is the first word of its name.
  void Write(const DemoPartner& p, int customerNumber, const char* salutation, const Town& town,
             const std::string& street, const std::string& contact) {
    const bool person = std::string_view(salutation) != "F";
    partner_.With(p.gepNr.Nr1, p.gepNr.Nr2, p.name, customerNumber, p.land, salutation).Run();
    // The house number is the street text's last word.
    const auto blank = street.rfind(' ');
    address_.With(p.gepNr.Nr1, p.gepNr.Nr2, p.name, street.substr(0, blank),
                  blank == std::string::npos ? std::string() : street.substr(blank + 1),
                  town.plz, town.ort, town.land,
                  person ? p.name.substr(0, p.name.find(' ')) : std::string())
        .Run();
    const std::string mail = "info" + std::to_string(p.gepNr.Nr2) + "@example.com";
    contact_.With(p.gepNr.Nr1, p.gepNr.Nr2, contact, "040 " + std::to_string(100000 + p.gepNr.Nr2),
                  mail)
        .Run();
  }
  void Number(const TIntPair& gepNr, int kind, const std::string& value) {
    number_.With(gepNr.Nr1, gepNr.Nr2, kNumberKind, kind, value).Run();
  }
  void Attribute(const TIntPair& gepNr, int attribute, const std::string& value) {
    attribute_.With(gepNr.Nr1, gepNr.Nr2, attribute, value).Run();
  }

 private:
  suitedb::Statement& partner_;
  suitedb::Statement& address_;
  suitedb::Statement& contact_;
  suitedb::Statement& number_;
  suitedb::Statement& attribute_;
};

}  // namespace

DemoPartnerList WriteDemoPartners(suitedb::Connection& db, DemoRandom& random) {
  PartnerWriter writer(db);
  DemoPartnerList list;
  for (int i = 0; i < kCustomers; ++i) {
    const bool foreign = i % 10 == 9;
    const bool company = foreign || random.Percent(40);
    const Town& town = foreign ? Pick(random, kForeignTowns) : Pick(random, kDomesticTowns);
    const std::string person = PersonName(random);
    DemoPartner p;
    p.gepNr = {kPartnerRnr, kFirstCustomer + i};
    p.name = company ? CompanyName(random) : person;
    p.land = town.land;
    if (foreign) p.ustId = VatId(p.land, random);
    const int customerNumber = kFirstCustomerNumber + i;
    const std::string street = Street(random);
    writer.Write(p, customerNumber, company ? "F" : (i % 2 ? "M" : "W"), town, street,
                 person);
    writer.Number(p.gepNr, kDebtorKind, std::to_string(10000 + customerNumber));
    writer.Attribute(p.gepNr, kGroupAttribute, company ? "Gewerbe" : "Privat");
    if (foreign) list.foreignCustomers.push_back(list.customers.size());
    list.customers.push_back(std::move(p));
  }
  for (int i = 0; i < kSuppliers; ++i) {
    const Town& town = Pick(random, kDomesticTowns);
    DemoPartner p;
    p.gepNr = {kPartnerRnr, kFirstSupplier + i};
    p.name = CompanyName(random);
    p.land = town.land;
    const std::string street = Street(random);
    const std::string contact = PersonName(random);
    writer.Write(p, 0, "F", town, street, contact);
    writer.Number(p.gepNr, kCreditorKind, std::to_string(70001 + i));
    list.suppliers.push_back(std::move(p));
  }
  return list;
}

}  // namespace suitetool
