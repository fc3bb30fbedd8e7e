#include "slip/importe.h"

// In whole cents, so that no price is ever a cent off.
QString texto_importe(int apuestas)
{
    const int centimos = apuestas * precio_apuesta_centimos;
    return QStringLiteral("Importe: %1,%2 €").arg(centimos / 100).arg(centimos % 100, 2, 10, QLatin1Char('0'));
}
