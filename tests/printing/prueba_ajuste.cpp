// The adjustment of the official print: the moved dots and the Pleno's dots
// at two resolutions, the test sheet, the stored settings (none, kept,
// damaged), the adjustment window and the Pleno as the prints read it from
// the main window. Every case has a settings folder of its own.
#include "apoyo/apoyo.h"

#include "printing/ajuste.h"
#include "printing/lectura_ventana.h"
#include "printing/quiniela.h"
#include "slip/ventana.h"
#include "widgets/busca_componente.h"
#include "widgets/mensajes.h"

#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

using namespace impresion;

namespace impresion {
char* toString(const Ajuste& a)
{
    return qstrdup(QStringLiteral("(%1 mm, %2 mm, %3, %4 cm, %5 cm, %6 cm, %7 cm)")
                       .arg(a.desplazamiento_x).arg(a.desplazamiento_y).arg(a.imprime_pleno)
                       .arg(a.pleno_x).arg(a.pleno_y).arg(a.pleno_paso).arg(a.pleno_filas)
                       .toUtf8().constData());
}
}  // namespace impresion

Q_DECLARE_METATYPE(impresion::Ajuste)
Q_DECLARE_METATYPE(std::vector<impresion::Rectangulo>)

namespace {

// 10 bets: "1" in column 1 of match 1, "x" in column 11 of match 14; the
// Pleno "M" at home and "0" away.
Boleto boleto_con_pleno(const QString& visitante = QStringLiteral("0"))
{
    Boleto boleto;
    boleto.apuestas = 10;
    boleto.signo1[0][0] = QLatin1Char('1');
    boleto.signo2[13][2] = QLatin1Char('x');
    boleto.pleno = {QStringLiteral("Betis - Sevilla"), QStringLiteral("M"), visitante};
    return boleto;
}

Rectangulo punto(int x, int y, int ancho, int alto)
{
    return {x, y, x + ancho, y + alto};
}

// 1.5 mm right, 2.5 mm up; the Pleno at 16 and 22.5 cm, boxes 0.6 cm apart,
// rows 0.45 cm apart.
const Ajuste ajuste_600 {1.5, -2.5, true, 16.0, 22.5, 0.6, 0.45};
const Ajuste ajuste_300_720 {-0.7, 12.4, true, 12.34, 9.87, 0.55, 1.6};

QString archivo_ajustes(const QTemporaryDir& carpeta)
{
    return carpeta.filePath(QStringLiteral("tolvera/tolvera.conf"));
}

// Runs `dentro` on the adjustment window once it is on show, and cancels it
// after if `dentro` left it open.
void en_ajuste(const std::function<void(QWidget*)>& dentro)
{
    dentro_de(QStringLiteral("ventana_ajuste"), QStringLiteral("boton_ajuste"), QStringLiteral("boton_cancelar"), dentro);
}

double valor(const QWidget* ventana_ajuste, const char* nombre_caja)
{
    return widget_de<QDoubleSpinBox>(ventana_ajuste, QString::fromLatin1(nombre_caja))->value();
}

Ajuste mostrado(const QWidget* v)
{
    return {valor(v, "desplazamiento_x"), valor(v, "desplazamiento_y"),
            widget_de<QCheckBox>(v, QStringLiteral("imprime_pleno"))->isChecked(),
            valor(v, "pleno_x"), valor(v, "pleno_y"), valor(v, "pleno_paso"), valor(v, "pleno_filas")};
}

void pon(const QWidget* v, const char* nombre_caja, double numero)
{
    widget_de<QDoubleSpinBox>(v, QString::fromLatin1(nombre_caja))->setValue(numero);
}

}  // namespace

class Prueba_ajuste : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Never the user's own settings, and nothing left from another case.
    void init()
    {
        carpeta_ = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, carpeta_->path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope,
                           carpeta_->filePath(QStringLiteral("sistema")));
    }

    // Every dot moved by R(d / 10 x k); the Pleno's forecasts once, after the
    // bets, in their boxes of the first block, only when it is to be printed.
    void puntos_ajustados_data()
    {
        QTest::addColumn<Ajuste>("ajuste");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::addColumn<QString>("visitante");
        QTest::addColumn<std::vector<Rectangulo>>("esperados");
        QTest::newRow("nada guardado") << Ajuste {} << 600 << 600 << "0"
                                       << std::vector {punto(1812, 1341, 47, 47), punto(2431, 6198, 47, 47)};
        QTest::newRow("600") << ajuste_600 << 600 << 600 << "0"
                             << std::vector {punto(1847, 1282, 47, 47), punto(2466, 6139, 47, 47),
                                             punto(4240, 5256, 47, 47), punto(3815, 5362, 47, 47)};
        Ajuste sin_pleno = ajuste_600;
        sin_pleno.imprime_pleno = false;
        QTest::newRow("600, Pleno sin imprimir") << sin_pleno << 600 << 600 << "0"
                                                 << std::vector {punto(1847, 1282, 47, 47), punto(2466, 6139, 47, 47)};
        QTest::newRow("600, visitante sin pronostico")
            << ajuste_600 << 600 << 600 << ""
            << std::vector {punto(1847, 1282, 47, 47), punto(2466, 6139, 47, 47), punto(4240, 5256, 47, 47)};
        QTest::newRow("300 x 720") << ajuste_300_720 << 300 << 720 << "0"
                                   << std::vector {punto(898, 1960, 24, 57), punto(1207, 7789, 24, 57),
                                                   punto(1644, 3149, 24, 57), punto(1449, 3602, 24, 57)};
    }

    void puntos_ajustados()
    {
        QFETCH(Ajuste, ajuste);
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(QString, visitante);
        QFETCH(std::vector<Rectangulo>, esperados);
        const Composicion operaciones = composicion_quiniela(boleto_con_pleno(visitante), dx, dy, ajuste);
        QVERIFY(std::holds_alternative<Relleno_negro>(operaciones.front()));
        QCOMPARE(puntos(operaciones), esperados);
    }

    // Column 1's 42 boxes in both blocks, where the adjusted print puts its
    // dots, then the Pleno's eight boxes, home row first.
    void hoja_de_prueba()
    {
        const std::vector<Rectangulo> hoja = puntos(composicion_hoja_prueba(ajuste_600, 600, 600));
        QCOMPARE(hoja.size(), size_t(84 + 8));
        QCOMPARE(hoja[0], punto(1847, 1282, 47, 47));
        QCOMPARE(hoja[1], punto(1847, 1282 + 3307, 47, 47));
        QCOMPARE(hoja[2], punto(1937, 1282, 47, 47));  // "x" of match 1

        Ajuste sin_pleno = ajuste_600;
        sin_pleno.imprime_pleno = false;
        std::vector<Rectangulo> de_la_impresion;
        for (const QChar signo : QStringLiteral("1x2")) {
            Boleto boleto;
            boleto.apuestas = 16;
            for (auto* signos : {&boleto.signo1, &boleto.signo2})
                for (auto& fila : *signos)
                    fila[0] = signo;
            for (const Rectangulo& r : puntos(composicion_quiniela(boleto, 600, 600, sin_pleno)))
                de_la_impresion.push_back(r);
        }
        std::vector<Rectangulo> casillas(hoja.begin(), hoja.begin() + 84);
        const auto orden = [](const Rectangulo& a, const Rectangulo& b) {
            return std::pair(a.izquierda, a.arriba) < std::pair(b.izquierda, b.arriba);
        };
        std::sort(casillas.begin(), casillas.end(), orden);
        std::sort(de_la_impresion.begin(), de_la_impresion.end(), orden);
        QVERIFY(casillas == de_la_impresion);

        const std::vector<Rectangulo> pleno(hoja.begin() + 84, hoja.end());
        std::vector<Rectangulo> esperados;
        for (const int y : {5256, 5362})
            for (const int x : {3815, 3956, 4098, 4240})
                esperados.push_back(punto(x, y, 47, 47));
        QCOMPARE(pleno, esperados);
    }

    // What is stored, as a file Qt wrote or a hand-edited one: a value that is
    // unreadable or outside the window's range counts as 0 or off, alone;
    // the others are kept, at the window's precision.
    void ajustes_guardados_data()
    {
        QTest::addColumn<QByteArray>("archivo");
        QTest::addColumn<Ajuste>("esperado");
        QTest::newRow("nada guardado") << QByteArray() << Ajuste {};
        QTest::newRow("en los limites") << QByteArray("[ajuste]\ndesplazamiento_x=-20\ndesplazamiento_y=20\n"
                                                      "imprime_pleno=true\npleno_x=30\npleno_y=0\n"
                                                      "pleno_paso=5\npleno_filas=0.01\n")
                                        << Ajuste {-20, 20, true, 30, 0, 5, 0.01};
        QTest::newRow("danado") << QByteArray("[ajuste]\ndesplazamiento_x=abc\ndesplazamiento_y=20.5\n"
                                              "imprime_pleno=quizas\npleno_x=-0.5\npleno_y=12.5\n"
                                              "pleno_paso=nan\npleno_filas=1.234\n")
                                << Ajuste {0, 0, false, 0, 12.5, 0, 1.23};
        QTest::newRow("infinitos y listas")
            << QByteArray("[ajuste]\ndesplazamiento_x=inf\ndesplazamiento_y=1, 2\n"
                          "imprime_pleno=1\npleno_x=-inf\npleno_y=7.5\n")
                                            << Ajuste {0, 0, false, 0, 7.5, 0, 0};
        QTest::newRow("ilegible") << QByteArray("\xff\xfe") + QByteArray(1, '\0') + "[[[ajuste\n\x01=\x02\n" << Ajuste {};
    }

    void ajustes_guardados()
    {
        QFETCH(QByteArray, archivo);
        QFETCH(Ajuste, esperado);
        if (!archivo.isEmpty()) {
            QVERIFY(QDir().mkpath(carpeta_->filePath(QStringLiteral("tolvera"))));
            QVERIFY(escribe_bytes(archivo_ajustes(*carpeta_), archivo));
        }
        QCOMPARE(lee_ajuste(), esperado);
    }

    // Kept under organisation and application "tolvera", and read back whole.
    void guardar_y_leer()
    {
        guarda_ajuste(ajuste_300_720);
        QVERIFY(QFile::exists(archivo_ajustes(*carpeta_)));
        QCOMPARE(lee_ajuste(), ajuste_300_720);
    }

    // The button beside the printing ones; the window shows what is stored,
    // "Cancelar" forgets what was changed and "Aceptar" stores it.
    void la_ventana_guarda_solo_al_aceptar()
    {
        Ventanas_de_prueba ventanas;
        auto* boton = widget_de<QPushButton>(ventana, QStringLiteral("boton_ajuste"));
        QCOMPARE(boton->text(), QStringLiteral("Ajuste"));
        QCOMPARE(solapado(boton), QString());
        guarda_ajuste(ajuste_600);

        Ajuste visto;
        en_ajuste([&](QWidget* v) {
            QCOMPARE(v->windowTitle(), QStringLiteral("Ajuste de la quiniela"));
            visto = mostrado(v);
            pon(v, "desplazamiento_x", 3.2);
            pulsa_boton(v, QStringLiteral("boton_cancelar"));
        });
        QCOMPARE(visto, ajuste_600);
        QCOMPARE(lee_ajuste(), ajuste_600);

        en_ajuste([&](QWidget* v) {
            // The window's range is the one the stored values are checked against.
            pon(v, "desplazamiento_x", -25);
            pon(v, "desplazamiento_y", 0.14);
            pon(v, "pleno_filas", 1.234);
            auto* pleno = widget_de<QCheckBox>(v, QStringLiteral("imprime_pleno"));
            QStyleOptionButton opcion;
            opcion.initFrom(pleno);
            pulsa(pleno, pleno->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &opcion, pleno).center());
            pulsa_boton(v, QStringLiteral("boton_aceptar"));
            visto = mostrado(v);
        });
        QVERIFY(Mensajes::errores_capturados().isEmpty());
        const Ajuste esperado {-20, 0.1, false, 16.0, 22.5, 0.6, 1.23};
        QCOMPARE(visto, esperado);
        QCOMPARE(lee_ajuste(), esperado);
    }

    // Settings that cannot be written are reported, and the window stays
    // open with what the user chose.
    void ajustes_que_no_se_pueden_escribir()
    {
        Ventanas_de_prueba ventanas;
        QVERIFY(escribe_bytes(carpeta_->filePath(QStringLiteral("tolvera")), "not a folder"));
        bool abierta = false;
        en_ajuste([&](QWidget* v) {
            pon(v, "desplazamiento_x", 1);
            pulsa_boton(v, QStringLiteral("boton_aceptar"));
            abierta = v->isVisible() && valor(v, "desplazamiento_x") == 1;
        });
        QVERIFY(abierta);
        QCOMPARE(Mensajes::errores_capturados().size(), 1);
        QVERIFY(Mensajes::errores_capturados().front().startsWith(QStringLiteral("Cannot write the settings to ")));
    }

    // "Hoja de prueba" prints what the window shows on the printer chosen in
    // "Configura", and stores nothing.
    void hoja_de_prueba_en_la_impresora_elegida()
    {
        Ventanas_de_prueba ventanas;
        const QString pdf = carpeta_->filePath(QStringLiteral("hoja.pdf"));
        elige_pdf(pdf);
        en_ajuste([&](QWidget* v) {
            pon(v, "desplazamiento_x", 2);
            pulsa_boton(v, QStringLiteral("boton_hoja_prueba"));
        });
        QVERIFY2(Mensajes::errores_capturados().isEmpty(), qPrintable(Mensajes::errores_capturados().join(u'\n')));
        QFile hoja(pdf);
        QVERIFY(hoja.open(QIODevice::ReadOnly));
        QVERIFY(hoja.read(5) == "%PDF-");
        QCOMPARE(lee_ajuste(), Ajuste {});
    }

    // The prints take the Pleno from `partido15`, `pleno_local` and
    // `pleno_visitante` of the main window; a window without them has none.
    void el_pleno_de_la_ventana()
    {
        Ventanas_de_prueba ventanas;
        auto* partido = busca<QLabel>(ventana, QStringLiteral("partido15"));
        QWidget* local = busca_componente(ventana, QStringLiteral("pleno_local"));
        QWidget* visitante = busca_componente(ventana, QStringLiteral("pleno_visitante"));
        if (!partido && !local && !visitante) {
            QCOMPARE(lee_folio(*ventana).boleto.pleno.nombre, QString());
            QCOMPARE(lee_boleto(*ventana).pleno.local, QString());
            partido = new QLabel(ventana);
            partido->setObjectName(QStringLiteral("partido15"));
            local = new QWidget(ventana);
            local->setObjectName(QStringLiteral("pleno_local"));
            visitante = new QWidget(ventana);
            visitante->setObjectName(QStringLiteral("pleno_visitante"));
        }
        QVERIFY(partido && local && visitante);
        partido->setText(QStringLiteral("Betis - Sevilla"));
        local->setProperty("valor", QStringLiteral("M"));
        visitante->setProperty("valor", QStringLiteral("0"));
        if (local->property("valor") != QStringLiteral("M") || visitante->property("valor") != QStringLiteral("0"))
            QSKIP("the goal selectors take their forecasts only from the mouse");
        const Pleno pleno = lee_folio(*ventana).boleto.pleno;
        QCOMPARE(pleno.nombre, QStringLiteral("Betis - Sevilla"));
        QCOMPARE(pleno.local, QStringLiteral("M"));
        QCOMPARE(pleno.visitante, QStringLiteral("0"));
    }

private:
    std::unique_ptr<QTemporaryDir> carpeta_;
};

QTEST_MAIN(Prueba_ajuste)
#include "prueba_ajuste.moc"
