#include "apoyo_variables.h"

#include "apoyo/apoyo.h"
#include "slip/ventana.h"
#include "variables/variables.h"
#include "widgets/busca_componente.h"
#include "widgets/componentevalor1x2.h"
#include "widgets/componentevalor1x2doble.h"
#include "widgets/rejilla.h"

#include <QLabel>
#include <QTest>

void elige_numero_de_apuestas(int apuestas)
{
    QTest::mouseMove(ventana, QPoint(1, 1));
    elige_apuestas(apuestas);
}

void marca_variable(int partido, const QString& nombre_partido)
{
    prueba::etiqueta_partido(partido)->setText(nombre_partido);
    pulsa_marca(partido);
}

void en_porcentajes(const std::function<void()>& accion)
{
    dentro_de(ventana_variables, QStringLiteral("boton_variables"), QStringLiteral("Button1"), accion);
}

Trejilla* tabla_1x2()
{
    return widget_de<Trejilla>(ventana_variables, QStringLiteral("tabla_1x2"));
}

Trejilla* tabla_variables()
{
    return widget_de<Trejilla>(ventana, QStringLiteral("tabla_variables"));
}

void pon_porcentajes(int partido, const QString& p1, const QString& px, const QString& p2)
{
    tabla_1x2()->pon_celda(1, partido, p1);
    tabla_1x2()->pon_celda(2, partido, px);
    tabla_1x2()->pon_celda(3, partido, p2);
}

QString porcentajes_de(int partido)
{
    return QStringList({tabla_1x2()->celda(1, partido), tabla_1x2()->celda(2, partido),
                        tabla_1x2()->celda(3, partido)})
        .join(QLatin1Char('/'));
}

QString fila_variables(int fila, int columnas)
{
    QString signos;
    for (int k = 1; k <= columnas; ++k) {
        const QString celda = tabla_variables()->celda(k, fila);
        signos += celda.isEmpty() ? QStringLiteral(".") : celda;
    }
    return signos;
}

QString columnas_de(int partido)
{
    QString signos;
    for (int k = 1; k <= 16; ++k)
        signos += prueba::signo_de_columna(partido, k);
    return signos;
}

QString selector_de(int partido)
{
    return prueba::selector(partido)->signo1();
}
