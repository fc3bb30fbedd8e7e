// The two sign widgets pressed with the mouse: thirds, locks, display rules
// and the order in which each one tells its owner.
#include "apoyo/apoyo.h"

#include "widgets/componentevalor1x2.h"
#include "widgets/componentevalor1x2doble.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// The signs a press at each x of a widget gives, as a string.
template <typename Widget>
QString signos_por_pixel(Widget& w)
{
    QString signos;
    for (int x = 0; x < w.width(); ++x) {
        w.set_signo1(QStringLiteral("0"));
        pulsa(&w, QPoint(x, 5));
        signos += w.signo1().at(0);
    }
    return signos;
}

}  // namespace

class Prueba_signos : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nuevos_muestran_tres_espacios()
    {
        QWidget padre;
        Tvalor1x2 celda(&padre);
        QCOMPARE(celda.Caption(), QStringLiteral("   "));
        QCOMPARE(celda.signo1(), QLatin1Char('0'));
        QCOMPARE(celda.signo2(), QLatin1Char('0'));
        QCOMPARE(celda.pagina(), QLatin1Char('1'));
        Tvalor1x2_doble selector(&padre);
        QCOMPARE(selector.Caption(), QStringLiteral("   "));
        QCOMPARE(selector.signo1(), QStringLiteral("0"));
        QCOMPARE(selector.width(), 39);
    }

    // 39 pixels: 0-13 give "1", 14-26 "x", 27-38 "2".
    void los_tercios_de_39_pixeles()
    {
        QWidget padre;
        Tvalor1x2_doble selector(&padre);
        QCOMPARE(signos_por_pixel(selector), QString(14, QLatin1Char('1')) + QString(13, QLatin1Char('x'))
                                                 + QString(12, QLatin1Char('2')));
    }

    // "XXX " is four characters wide, and so are its thirds.
    void los_tercios_siguen_al_ancho_del_texto()
    {
        QWidget padre;
        Tvalor1x2_doble selector(&padre);
        selector.set_signo1(QStringLiteral("1x2"));
        QCOMPARE(selector.Caption(), QStringLiteral("XXX "));
        QCOMPARE(selector.width(), 52);
        pulsa(&selector, QPoint(34, 5));
        QCOMPARE(selector.signo1(), QStringLiteral("x"));
        QCOMPARE(selector.width(), 39);
    }

    void dos_pulsaciones_en_el_mismo_tercio_ponen_y_quitan()
    {
        QWidget padre;
        Tvalor1x2_doble selector(&padre);
        pulsa_signo(&selector, QLatin1Char('2'));
        QCOMPARE(selector.signo1(), QStringLiteral("2"));
        QCOMPARE(selector.Caption(), QStringLiteral("  X"));
        pulsa_signo(&selector, QLatin1Char('2'));
        QCOMPARE(selector.signo1(), QStringLiteral("0"));
        QCOMPARE(selector.Caption(), QStringLiteral("   "));
    }

    void el_selector_avisa_despues_de_cambiar_y_no_si_esta_bloqueado()
    {
        QWidget padre;
        Tvalor1x2_doble selector(&padre);
        QString visto;
        connect(&selector, &Tvalor1x2_doble::OnMouseDown, &selector, [&] { visto += selector.signo1(); });
        pulsa_signo(&selector, QLatin1Char('1'));
        QCOMPARE(visto, QStringLiteral("1"));
        selector.setTag(1);
        pulsa_signo(&selector, QLatin1Char('2'));
        QCOMPARE(visto, QStringLiteral("1"));
        QCOMPARE(selector.signo1(), QStringLiteral("1"));
    }

    void la_celda_avisa_antes_de_cambiar_y_tambien_bloqueada()
    {
        QWidget padre;
        Tvalor1x2 celda(&padre);
        QString visto;
        connect(&celda, &Tvalor1x2::OnMouseDown, &celda, [&] { visto += celda.signo1(); });
        pulsa_signo(&celda, QLatin1Char('x'));
        QCOMPARE(visto, QStringLiteral("0"));
        QCOMPARE(celda.signo1(), QLatin1Char('x'));
        celda.setTag(1);
        pulsa_signo(&celda, QLatin1Char('2'));
        QCOMPARE(visto, QStringLiteral("0x"));
        QCOMPARE(celda.signo1(), QLatin1Char('x'));
        QCOMPARE(celda.Caption(), QStringLiteral(" X "));
    }

    // A press never clears a bet cell, and it writes the sign of the page shown.
    void la_celda_escribe_en_su_pagina()
    {
        QWidget padre;
        Tvalor1x2 celda(&padre);
        celda.set_pagina(QLatin1Char('2'));
        pulsa_signo(&celda, QLatin1Char('1'));
        pulsa_signo(&celda, QLatin1Char('1'));
        QCOMPARE(celda.signo1(), QLatin1Char('0'));
        QCOMPARE(celda.signo2(), QLatin1Char('1'));
        celda.set_pagina(QLatin1Char('3'));
        pulsa_signo(&celda, QLatin1Char('2'));
        QCOMPARE(celda.signo1(), QLatin1Char('0'));
        QCOMPARE(celda.signo2(), QLatin1Char('1'));
        QCOMPARE(celda.Caption(), QStringLiteral("X  "));
    }

    void la_celda_muestra_el_signo_de_su_pagina()
    {
        QWidget padre;
        Tvalor1x2 celda(&padre);
        celda.set_signo1(QLatin1Char('2'));
        celda.set_pagina(QLatin1Char('2'));
        QCOMPARE(celda.Caption(), QStringLiteral("   "));
        celda.set_pagina(QLatin1Char('1'));
        QCOMPARE(celda.Caption(), QStringLiteral("  X"));
    }

    void un_valor_fuera_de_la_tabla_se_guarda_sin_cambiar_lo_que_se_ve()
    {
        QWidget padre;
        Tvalor1x2 celda(&padre);
        celda.set_signo1(QLatin1Char('1'));
        celda.set_signo1(QLatin1Char('X'));
        QCOMPARE(celda.signo1(), QLatin1Char('X'));
        QCOMPARE(celda.Caption(), QStringLiteral("X  "));

        Tvalor1x2_doble selector(&padre);
        selector.set_signo1(QStringLiteral("12"));
        for (const QString& raro : {QStringLiteral("x1"), QStringLiteral("2x"), QStringLiteral("X"), QString()}) {
            selector.set_signo1(raro);
            QCOMPARE(selector.signo1(), raro);
            QCOMPARE(selector.Caption(), QStringLiteral("X X"));
        }
    }

    void cada_conjunto_tiene_su_dibujo()
    {
        const QStringList textos = {QStringLiteral("1"), QStringLiteral("x"), QStringLiteral("2"),
                                    QStringLiteral("1x"), QStringLiteral("x2"), QStringLiteral("12"),
                                    QStringLiteral("1x2"), QStringLiteral("0")};
        const QStringList dibujos = {QStringLiteral("X  "), QStringLiteral(" X "), QStringLiteral("  X"),
                                     QStringLiteral("XX "), QStringLiteral(" XX"), QStringLiteral("X X"),
                                     QStringLiteral("XXX "), QStringLiteral("   ")};
        for (int i = 0; i < textos.size(); ++i)
            QCOMPARE(Tvalor1x2_doble::caption_de_texto(textos[i]), dibujos[i]);
    }

    void un_texto_largo_se_corta_a_255()
    {
        QWidget padre;
        Tvalor1x2_doble selector(&padre);
        selector.set_signo1(QString(300, QLatin1Char('1')));
        QCOMPARE(selector.signo1().size(), 255);
    }
};

QTEST_MAIN(Prueba_signos)
#include "prueba_signos.moc"
