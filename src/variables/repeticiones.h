#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Bet columns that carry the same variable signs.
namespace repeticiones {

// The list of alike pairs for the warning, "1 y 3 , 2 y 4", or an empty text
// when there is none. columnas[k - 1] holds the cells of bet column k of the
// variables table, row 0 first. A column takes part as the first of a pair
// only when its row-0 cell holds a sign: with no variable match every column
// is empty, and empty columns are not worth a warning.
QString lista(const QList<QStringList>& columnas);

}  // namespace repeticiones
