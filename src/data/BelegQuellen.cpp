#include "data/BelegQuellen.h"

TBelegServer& TBelegQuellen::BelegServer() {
  if (!FBelegServer) FBelegServer = std::make_unique<TBelegServer>(connection_);
  return *FBelegServer;
}

TGPListenServer& TBelegQuellen::GPListenServer() {
  if (!FGPListenServer) FGPListenServer = std::make_unique<TGPListenServer>(connection_);
  return *FGPListenServer;
}

TQTX_BelegMerkmalHelper& TBelegQuellen::BelegMerkmalHelper() {
  if (!FBelegMerkmalHelper) {
    FBelegMerkmalHelper = std::make_unique<TQTX_BelegMerkmalHelper>(connection_);
  }
  return *FBelegMerkmalHelper;
}

TGruppenFilialenRechnerHelper& TBelegQuellen::GFRHelper() {
  if (!FGFRHelper) FGFRHelper = std::make_unique<TGruppenFilialenRechnerHelper>(connection_);
  return *FGFRHelper;
}
