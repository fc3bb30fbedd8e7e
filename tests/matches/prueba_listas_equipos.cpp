// The team list files: lines, code pages, and a list that is missing.
#include "apoyo/apoyo.h"
#include "matches/archivo_equipos.h"
#include "matches/carpeta_equipos.h"
#include "matches/partidos.h"
#include "widgets/mensajes.h"

#include <QListWidget>
#include <QTest>

namespace {

QStringList textos(std::initializer_list<const char*> lineas)
{
    QStringList resultado;
    for (const char* linea : lineas)
        resultado.append(QString::fromUtf8(linea));
    return resultado;
}

QStringList entradas(const QString& lista)
{
    QStringList textos;
    const auto* equipos = widget_de<QListWidget>(ventana_partidos, lista);
    for (int i = 0; i < equipos->count(); ++i)
        textos.append(equipos->item(i)->text());
    return textos;
}

}  // namespace

class Prueba_listas_equipos : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void una_entrada_por_linea()
    {
        using archivo_equipos::lineas;
        QCOMPARE(lineas(QStringLiteral("A\r\nB\nC\rD")), textos({"A", "B", "C", "D"}));
        QCOMPARE(lineas(QStringLiteral("A\r\n")), textos({"A"}));
        QCOMPARE(lineas(QStringLiteral("A\n\nB\r\n\r\n")), textos({"A", "", "B", ""}));
        QCOMPARE(lineas(QStringLiteral("A\r\r\nB")), textos({"A", "", "B"}));
        QCOMPARE(lineas(QStringLiteral("\n")), textos({""}));
        QCOMPARE(lineas(QStringLiteral("  R. Madrid \t")), textos({"  R. Madrid \t"}));
        QCOMPARE(lineas(QString()), QStringList());
    }

    void windows_1252_o_utf_8()
    {
        using archivo_equipos::descodifica;
        QCOMPARE(descodifica(QByteArray("Alav\xe9s\r\nC\xe1" "diz")), QStringLiteral("Alavés\r\nCádiz"));
        QCOMPARE(descodifica(QByteArray("Alav\xc3\xa9s")), QStringLiteral("Alavés"));
        QCOMPARE(descodifica(QByteArray("\xef\xbb\xbf" "Legan\xc3\xa9s")), QStringLiteral("Leganés"));
        QCOMPARE(descodifica(QByteArray("\x80 Eibar")), QStringLiteral("€ Eibar"));
        // Valid UTF-8 start, then a lone Windows-1252 letter: the whole file is 1252.
        QCOMPARE(descodifica(QByteArray("Alav\xc3\xa9s\nC\xe1" "diz")), QStringLiteral("AlavÃ©s\nCádiz"));
    }

    void las_dos_listas_se_cargan_en_orden()
    {
        Carpeta_equipos carpeta(QByteArray("Alav\xe9s\r\n\r\nR. Madrid\r\nR. Madrid\r\n"),
                                QByteArray("Almer\xc3\xad" "a\nC\xc3\xa1" "diz\n"));
        Ventanas_de_prueba ventanas;
        QCOMPARE(entradas(QStringLiteral("equipos_primera")),
                 textos({"Alavés", "", "R. Madrid", "R. Madrid"}));
        QCOMPARE(entradas(QStringLiteral("equipos_segunda")), textos({"Almería", "Cádiz"}));
        QVERIFY(Mensajes::errores_capturados().isEmpty());
    }

    void sin_primera_no_se_lee_ninguna()
    {
        Carpeta_equipos carpeta(QByteArray(), Carpeta_equipos::segunda_de_prueba());
        Ventanas_de_prueba ventanas;
        QCOMPARE(Mensajes::errores_capturados(), textos({"Cannot open file primera.txt."}));
        QVERIFY(entradas(QStringLiteral("equipos_primera")).isEmpty());
        QVERIFY(entradas(QStringLiteral("equipos_segunda")).isEmpty());
        QVERIFY(ventana_partidos);
    }

    void sin_segunda_solo_falta_la_segunda()
    {
        Carpeta_equipos carpeta(Carpeta_equipos::primera_de_prueba(), QByteArray());
        Ventanas_de_prueba ventanas;
        QCOMPARE(Mensajes::errores_capturados(), textos({"Cannot open file segunda.txt."}));
        QCOMPARE(entradas(QStringLiteral("equipos_primera")).size(), 16);
        QVERIFY(entradas(QStringLiteral("equipos_segunda")).isEmpty());
    }
};

QTEST_MAIN(Prueba_listas_equipos)
#include "prueba_listas_equipos.moc"
