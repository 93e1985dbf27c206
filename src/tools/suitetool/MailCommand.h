// "mail": the mail dispatch settings per client (SMTP server, TLS, login, sender,
// recipients, templates) — set, show, remove, and send a test mail.
#pragma once

#include "suitetool/ToolCommand.h"

namespace suitetool {

class MailCommand final : public ToolCommand {
 public:
  std::string Name() const override { return "mail"; }
  std::string Summary() const override { return "richtet den Mailversand je Mandant ein"; }
  std::string Help() const override;
  std::vector<OptionSpec> Options() const override;
  std::size_t MaxArguments() const override { return 1; }
  int Run(const CommandLine& line, ToolContext& context) override;
};

}  // namespace suitetool
