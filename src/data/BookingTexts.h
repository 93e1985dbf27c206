// Texts of bookings as the list shows them.
#pragma once

#include <string>

// text without any line feed and carriage return.
std::string TextOhneZeilenumbruch(const std::string& text);
// The short label of a known booking description, else the description itself.
std::string GetKurzBeschreibung(const std::string& beschreibung);
// Designation of a document-type code; the code itself when it is unknown.
std::string BLB(const std::string& belegartKuerzel);
// An account as the list shows it: its number with at least four digits when it has one
// (> 0), else name and suffix.
std::string KontoKurzText(int nummer, const std::string& name, const std::string& zusatz);
// A new GUID text in braces; "(NONE)" when none can be made.
std::string CreateIdent();
