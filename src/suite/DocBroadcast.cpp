#include "suite/DocBroadcast.h"

#include "suite/Text.h"

namespace {

// Until a mail sender is configured the broadcast refuses plainly instead of pretending.
class TNichtEingerichtet final : public IDocBroadcast {
 public:
  bool Eingerichtet(std::string& grund) const override {
    grund = "Der Mailversand ist nicht eingerichtet.";
    return false;
  }
  bool Senden(const TBroadcastDokument&) override { return false; }
};

std::shared_ptr<IDocBroadcast>& Current() {
  static std::shared_ptr<IDocBroadcast> broadcast = std::make_shared<TNichtEingerichtet>();
  return broadcast;
}

}  // namespace

IDocBroadcast& DocBroadcast() { return *Current(); }

void SetDocBroadcast(std::shared_ptr<IDocBroadcast> broadcast) {
  Current() = broadcast ? std::move(broadcast) : std::make_shared<TNichtEingerichtet>();
}

std::string PlatzhalterErsetzen(std::string text, const std::vector<TBroadcastPlatzhalter>& p) {
  for (const auto& platzhalter : p) {
    if (platzhalter.Name.empty()) continue;
    const std::string gesucht = Utf8Upper(platzhalter.Name);
    std::string ergebnis;
    std::size_t pos = 0;
    // Placeholders are ASCII, so upper-casing keeps byte positions.
    const std::string oben = Utf8Upper(text);
    for (std::size_t hit = oben.find(gesucht); hit != std::string::npos;
         hit = oben.find(gesucht, pos)) {
      ergebnis.append(text, pos, hit - pos);
      ergebnis += platzhalter.Wert;
      pos = hit + gesucht.size();
    }
    ergebnis.append(text, pos, std::string::npos);
    text = std::move(ergebnis);
  }
  return text;
}
