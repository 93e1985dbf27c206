// The suite servers the document and branch lookups ask, each created on first use and
// kept until the owner goes.
#pragma once

#include <memory>

#include "data/FilialenRechnerHelper.h"
#include "suite/db/Storage.h"
#include "suite/servers/TBelegServer.h"
#include "suite/servers/TGPListenServer.h"
#include "suite/servers/TQTX_BelegMerkmalHelper.h"

class TBelegQuellen {
 public:
  explicit TBelegQuellen(suitedb::Connection& connection) : connection_(connection) {}

  suitedb::Connection& Connection() { return connection_; }
  TBelegServer& BelegServer();
  TGPListenServer& GPListenServer();
  TQTX_BelegMerkmalHelper& BelegMerkmalHelper();
  TGruppenFilialenRechnerHelper& GFRHelper();

 private:
  suitedb::Connection& connection_;
  std::unique_ptr<TBelegServer> FBelegServer;
  std::unique_ptr<TGPListenServer> FGPListenServer;
  std::unique_ptr<TQTX_BelegMerkmalHelper> FBelegMerkmalHelper;
  std::unique_ptr<TGruppenFilialenRechnerHelper> FGFRHelper;
};
