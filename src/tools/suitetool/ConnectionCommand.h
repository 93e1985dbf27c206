// "connection": the suite's INET connection entries (FTP, FTPS, SFTP targets) — add,
// list, remove, test one, and trust an SFTP server's host key.
#pragma once

#include "suitetool/ToolCommand.h"

namespace suitetool {

class ConnectionCommand final : public ToolCommand {
 public:
  std::string Name() const override { return "connection"; }
  std::string Summary() const override { return "verwaltet FTP/SFTP-Verbindungen"; }
  std::string Help() const override;
  std::vector<OptionSpec> Options() const override;
  std::size_t MaxArguments() const override { return 2; }
  int Run(const CommandLine& line, ToolContext& context) override;
};

}  // namespace suitetool
