#include "variables/repeticiones.h"

namespace repeticiones {

QString lista(const QList<QStringList>& columnas)
{
    QStringList textos;
    textos.reserve(columnas.size());
    for (const QStringList& celdas : columnas)
        textos.append(celdas.join(QString()));
    QString pares;
    for (qsizetype i = 0; i < textos.size(); ++i) {
        if (columnas[i].value(0).isEmpty())
            continue;
        for (qsizetype j = i + 1; j < textos.size(); ++j) {
            if (textos[i] != textos[j])
                continue;
            if (!pares.isEmpty())
                pares += QStringLiteral(" , ");
            pares += QString::number(i + 1) + QStringLiteral(" y ") + QString::number(j + 1);
        }
    }
    return pares;
}

}  // namespace repeticiones
