#include "results/importes.h"

#include <QRegularExpression>

namespace importes {

namespace {

constexpr int cifras_euros = 12;

}  // namespace

std::optional<qint64> centimos(const QString& texto)
{
    static const QRegularExpression importe(
        QStringLiteral("^([0-9]{1,3}(?:\\.[0-9]{3})+|[0-9]+)(?:,([0-9]{1,2}))?$"));
    const QString limpio = texto.trimmed();
    if (limpio.isEmpty())
        return 0;
    const QRegularExpressionMatch partes = importe.match(limpio);
    if (!partes.hasMatch())
        return std::nullopt;
    const QString euros = partes.captured(1).remove(QLatin1Char('.'));
    if (euros.size() > cifras_euros)
        return std::nullopt;
    const QString decimales = partes.captured(2).leftJustified(2, QLatin1Char('0'));
    return euros.toLongLong() * 100 + decimales.toInt();
}

QString texto(qint64 centimos)
{
    QString euros = QString::number(centimos / 100);
    for (qsizetype punto = euros.size() - 3; punto > 0; punto -= 3)
        euros.insert(punto, QLatin1Char('.'));
    return euros + QLatin1Char(',') + QStringLiteral("%1").arg(centimos % 100, 2, 10, QLatin1Char('0'));
}

}  // namespace importes
