// The slip's price under the bets count: for every count the user chooses,
// and after "Nuevo" and a load.
#include "apoyo/apoyo.h"

#include "slip/ventana.h"
#include "widgets/mensajes.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString importe()
{
    return widget_de<QLabel>(ventana, QStringLiteral("importe"))->text();
}

}  // namespace

class Prueba_importe : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sigue_al_numero_de_apuestas()
    {
        Ventanas_de_prueba ventanas;
        auto* etiqueta = widget_de<QLabel>(ventana, QStringLiteral("importe"));
        QCOMPARE(etiqueta->pos(), QPoint(676, 90));
        QCOMPARE(solapado(etiqueta), QString());
        QCOMPARE(importe(), QString());

        const std::pair<int, const char*> precios[] = {{4, "3,00"},  {6, "4,50"},   {8, "6,00"},  {10, "7,50"},
                                                       {16, "12,00"}, {14, "10,50"}, {12, "9,00"}};
        for (const auto& [apuestas, euros] : precios) {
            elige_apuestas(apuestas);
            QCOMPARE(importe(), QStringLiteral("Importe: %1 €").arg(QLatin1String(euros)));
            QVERIFY(etiqueta->fontMetrics().horizontalAdvance(importe()) <= etiqueta->width());
        }

        QTemporaryDir carpeta;
        const QString archivo = carpeta.filePath(QStringLiteral("doce.qui"));
        guarda_como(archivo);
        pulsa_boton(ventana, QStringLiteral("Button1"));
        QCOMPARE(importe(), QString());
        recupera(archivo);
        QCOMPARE(importe(), QStringLiteral("Importe: 9,00 €"));
        QCOMPARE(Mensajes::errores_capturados(), QStringList());
    }
};

QTEST_MAIN(Prueba_importe)
#include "prueba_importe.moc"
