// The suite's QR payment reference (27 digits, the last a check digit computed modulo 10
// recursively) built from a document number and a customer number.
#pragma once

#include <string>
#include <string_view>

// The digits of a document number for a payment reference: number parts 1, 2 (4 digits)
// and 3 (6 digits), the prefix left out.
std::string Formatiere_QR_Belegnummer(int teil1, int teil2, int teil3);
// 26 digits (customer number in 10, document digits in 16, zero-padded on the left; longer
// parts keep their last digits) and the check digit. Empty without document digits.
std::string Formatiere_QR_Referenz(std::string_view belegnummer, std::string_view kundennummer);
// The check digit of a digit text (modulo 10, recursive).
int QR_Pruefziffer(std::string_view ziffern);
