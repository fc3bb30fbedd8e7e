// Base signs on the main window: the bets count, the copy into the played
// columns, the freezing of the count and "Nuevo".
#include "apoyo/apoyo.h"

#include "slip/ventana.h"
#include "widgets/busca_componente.h"
#include "widgets/componentevalor1x2.h"
#include "widgets/componentevalor1x2doble.h"
#include "widgets/mensajes.h"

#include <QComboBox>
#include <QTest>

namespace {

Tvalor1x2* celda(int m, int c)
{
    return widget_de<Tvalor1x2>(ventana, nombre(QStringLiteral("signo"), m, QStringLiteral("_col"), c));
}

QString fila_pagina1(int m)
{
    QString signos;
    for (int c = 1; c <= 8; ++c)
        signos += celda(m, c)->signo1();
    return signos;
}

QString fila_pagina2(int m)
{
    QString signos;
    for (int c = 1; c <= 8; ++c)
        signos += celda(m, c)->signo2();
    return signos;
}

}  // namespace

class Prueba_signos_base : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void seis_apuestas_llenan_seis_columnas()
    {
        Ventanas_de_prueba ventanas;
        elige_apuestas(6);
        pulsa_selector(5, QLatin1Char('1'));
        QCOMPARE(fila_pagina1(5), QStringLiteral("11111100"));
        QCOMPARE(fila_pagina2(5), QStringLiteral("00000000"));
        QCOMPARE(celda(5, 1)->Caption(), QStringLiteral("X  "));
    }
};

QTEST_MAIN(Prueba_signos_base)
#include "prueba_signos_base.moc"
