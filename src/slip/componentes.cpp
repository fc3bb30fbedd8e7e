#include "slip/componentes.h"

#include "widgets/busca_componente.h"
#include "widgets/componentevalor1x2.h"
#include "widgets/componentevalor1x2doble.h"
#include "widgets/rejilla.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

namespace componentes {

QString nombre_celda(int partido, int hueco)
{
    return nombre(QStringLiteral("signo"), partido, QStringLiteral("_col"), hueco);
}

QString nombre_selector(int partido)
{
    return nombre(QStringLiteral("signo"), partido);
}

QString nombre_marca(int partido)
{
    return nombre(QStringLiteral("Checkvar"), partido);
}

QString nombre_etiqueta_partido(int partido)
{
    return nombre(QStringLiteral("partido"), partido);
}

QString nombre_numero_partido(int partido)
{
    return nombre(QStringLiteral("Label"), partido == 1 ? 1 : partido + 1);
}

Tvalor1x2* celda(const QWidget* ventana, int partido, int hueco)
{
    return componente<Tvalor1x2>(ventana, nombre_celda(partido, hueco));
}

Tvalor1x2_doble* selector(const QWidget* ventana, int partido)
{
    return componente<Tvalor1x2_doble>(ventana, nombre_selector(partido));
}

QCheckBox* marca(const QWidget* ventana, int partido)
{
    return componente<QCheckBox>(ventana, nombre_marca(partido));
}

QLabel* etiqueta_partido(const QWidget* ventana, int partido)
{
    return componente<QLabel>(ventana, nombre_etiqueta_partido(partido));
}

Trejilla* tabla_variables(const QWidget* ventana)
{
    return componente<Trejilla>(ventana, QStringLiteral("tabla_variables"));
}

QComboBox* apuestas(const QWidget* ventana)
{
    return componente<QComboBox>(ventana, QStringLiteral("apuestas"));
}

QChar signo_de_columna(const QWidget* ventana, int partido, int columna)
{
    const Tvalor1x2* de_celda = celda(ventana, partido, boleto::hueco_de_columna(columna));
    return boleto::pagina_de_columna(columna) == 1 ? de_celda->signo1() : de_celda->signo2();
}

void pon_signo_de_columna(const QWidget* ventana, int partido, int columna, QChar signo)
{
    Tvalor1x2* de_celda = celda(ventana, partido, boleto::hueco_de_columna(columna));
    if (boleto::pagina_de_columna(columna) == 1)
        de_celda->set_signo1(signo);
    else
        de_celda->set_signo2(signo);
}

}  // namespace componentes
