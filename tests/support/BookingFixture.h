// Test bookings: a filled booking record and direct inserts into the booking file.
#pragma once

#include "suite/SuiteDatabase.h"
#include "suite/records/FbdeFile.h"

inline constexpr TIntPair kTestFirma{1, 1};

inline TFBDEDaten TestBooking(TIntTrio ident, TDateTime belegdatum = 45000,
                              long double soll = 100, long double haben = 0) {
  TFBDEDaten satz = FBDEDaten_Init();
  satz.SetIdent(ident);
  satz.Firma = kTestFirma;
  satz.Belegdatum = belegdatum;
  satz.Buchungsdatum = belegdatum;
  satz.FiBuGVorfall = "VERKALLG";
  satz.BetragSoll = soll;
  satz.BetragHaben = haben;
  satz.Waehrung = "EUR";
  satz.KtoName = "KASSE";
  satz.GegenKtoName = "ERLWARE";
  satz.GegenKtoZusatz = "19";
  satz.Beschreibung = "Allgemeiner Verkauf";
  satz.Belegart = "KB";
  satz.BelegRNr = ident.RNr;
  satz.BelegLNr = ident.LNr;
  satz.Filiale = 1;
  return satz;
}

inline TFBDEDaten InsertBooking(const TFBDEDaten& satz) {
  TFbdeFile(SuiteDatabase::Get()).Insert(satz);
  return satz;
}

inline TFBDEDaten ReadBooking(const TIntTrio& ident) {
  auto found = TFbdeFile(SuiteDatabase::Get()).Read(ident);
  return found ? *found : TFBDEDaten{};
}

inline bool BookingExists(const TIntTrio& ident) {
  return TFbdeFile(SuiteDatabase::Get()).Read(ident).has_value();
}

inline int CountRows(const char* table) {
  auto stmt = SuiteDatabase::Get().Prepare(std::string("SELECT COUNT(*) FROM ") + table);
  return stmt->Step() ? static_cast<int>(stmt->Int(0)) : -1;
}
