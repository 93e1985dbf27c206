#include "suitetool/DemoModel.h"

namespace suitetool {

const std::vector<DemoClient>& DemoClients() {
  static const std::vector<DemoClient> clients = {
      {{1, 1}, 1, "Nordlicht Handels GmbH", "NORDLICHT", 1, 1, 1, {2, 4, 5}, 70},
      {{1, 2}, 2, "Südwind Service GmbH", "SÜDWIND", 7, 3, 3, {6}, 30},
  };
  return clients;
}

const std::vector<DemoBranch>& DemoBranches() {
  static const std::vector<DemoBranch> branches = {
      {1, 0, 101, 1, "Hamburg"}, {2, 0, 102, 1, "Bremen"}, {3, 0, 103, 2, "München"},
      {4, 1, 201, 3, "Köln"},    {5, 1, 202, 3, "Bonn"},
  };
  return branches;
}

const std::vector<DemoComputer>& DemoComputers() {
  static const std::vector<DemoComputer> computers = {
      {1, 7, 1, "Buchhaltung Hamburg"}, {2, 1, 1, "Kasse Hamburg"},
      {3, 2, 4, "Büro Köln"},           {4, 1, 2, "Kasse Bremen"},
      {5, 2, 3, "Kasse München"},       {6, 1, 5, "Kasse Bonn"},
  };
  return computers;
}

int BranchOfComputer(int computer) {
  for (const auto& entry : DemoComputers()) {
    if (entry.number == computer) return entry.branch;
  }
  return 0;
}

int OrgeOfBranch(int branch) {
  for (const auto& entry : DemoBranches()) {
    if (entry.number == branch) return entry.orge;
  }
  return 0;
}

int BusinessYear(const DemoClient& client, int year, int month) {
  return month >= client.fiscalStartMonth ? year : year - 1;
}

std::int64_t TaxCents(std::int64_t netCents, int rate) {
  const std::int64_t scaled = netCents * rate;
  return scaled >= 0 ? (scaled + 5000) / 10000 : -((-scaled + 5000) / 10000);
}

}  // namespace suitetool
