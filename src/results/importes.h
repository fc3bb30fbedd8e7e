#pragma once

#include <QString>

#include <optional>

// Amounts in euros written as Spaniards write them, held as whole cents.
namespace importes {

// "1.234,56", "1234,56", "12" or "0,5", blanks round it allowed; an empty
// text is 0. Nothing for anything else: a sign, a third decimal, a group of
// thousands of other than three digits ("12.34" is no amount), or more
// than twelve digits of euros.
std::optional<qint64> centimos(const QString& texto);

// Thousands grouped by dots and always two decimals: "1.234,56", "0,50".
QString texto(qint64 centimos);

}  // namespace importes
