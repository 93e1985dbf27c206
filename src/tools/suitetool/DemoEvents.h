// How the demo books each business event of the suite: which desk writes it, its
// document type and reference kind, its accounts and side, its tax, partner and
// document, its amounts and how often it happens.
#pragma once

#include <vector>

namespace suitetool {

enum class DemoDesk { Cash, Office };
enum class DemoVat { None, Output, Input, Foreign };
enum class DemoParty { None, Customer, ForeignCustomer, Supplier };
enum class DemoDoc { None, Invoice, CreditNote, IncomingInvoice, IncomingCredit };

struct DemoEvent {
  const char* code;  // the business-event code of the booking
  const char* origin;
  DemoDesk desk;
  const char* belegart;
  const char* verweisart;
  const char* konto;       // the main account
  bool soll;               // the main account is debited
  const char* gegenKonto;  // the contra account
  const char* gegenKontoReduced;  // contra account at the reduced rate; nullptr: none
  DemoVat vat;
  DemoParty party;
  DemoDoc doc;
  int minEuro;
  int maxEuro;
  int weight;  // relative frequency
  const char* description;
  bool eitherSide = false;  // debit or credit at random (differences)
};

// Every business event of the suite, in the order of its event list.
const std::vector<DemoEvent>& DemoEvents();
int DemoEventWeightTotal();
const DemoEvent& DemoEventByCode(const char* code);
// The event whose weight range holds ticket (0 <= ticket < total).
const DemoEvent& DemoEventByTicket(int ticket);

}  // namespace suitetool
