#include "printing/ajuste.h"

#include "common/error.h"

#include <QSettings>

#include <cmath>

namespace impresion {

namespace {

QSettings ajustes()
{
    return QSettings(QStringLiteral("tolvera"), QStringLiteral("tolvera"));
}

const QString grupo = QStringLiteral("ajuste");

// A stored number as the window would show it, or 0 when it is none or out
// of the window's range (a hand-edited file, or one from another program).
double numero(const QSettings& ajustes, const QString& clave, const Limites& limites)
{
    bool leido = false;
    const double valor = ajustes.value(grupo + u'/' + clave).toDouble(&leido);
    if (!leido || !std::isfinite(valor) || valor < limites.minimo || valor > limites.maximo)
        return 0;
    const double escala = std::pow(10.0, limites.decimales);
    return std::round(valor * escala) / escala;
}

// Only what a check box writes turns it on.
bool marca(const QSettings& ajustes, const QString& clave)
{
    const QVariant valor = ajustes.value(grupo + u'/' + clave);
    if (valor.typeId() == QMetaType::Bool)
        return valor.toBool();
    return valor.typeId() == QMetaType::QString && valor.toString() == QStringLiteral("true");
}

}  // namespace

Ajuste lee_ajuste()
{
    const QSettings guardados = ajustes();
    Ajuste ajuste;
    ajuste.desplazamiento_x = numero(guardados, QStringLiteral("desplazamiento_x"), limites_desplazamiento);
    ajuste.desplazamiento_y = numero(guardados, QStringLiteral("desplazamiento_y"), limites_desplazamiento);
    ajuste.imprime_pleno = marca(guardados, QStringLiteral("imprime_pleno"));
    ajuste.pleno_x = numero(guardados, QStringLiteral("pleno_x"), limites_posicion);
    ajuste.pleno_y = numero(guardados, QStringLiteral("pleno_y"), limites_posicion);
    ajuste.pleno_paso = numero(guardados, QStringLiteral("pleno_paso"), limites_medida);
    ajuste.pleno_filas = numero(guardados, QStringLiteral("pleno_filas"), limites_medida);
    return ajuste;
}

void guarda_ajuste(const Ajuste& ajuste)
{
    QSettings guardados = ajustes();
    guardados.beginGroup(grupo);
    guardados.setValue(QStringLiteral("desplazamiento_x"), ajuste.desplazamiento_x);
    guardados.setValue(QStringLiteral("desplazamiento_y"), ajuste.desplazamiento_y);
    guardados.setValue(QStringLiteral("imprime_pleno"), ajuste.imprime_pleno);
    guardados.setValue(QStringLiteral("pleno_x"), ajuste.pleno_x);
    guardados.setValue(QStringLiteral("pleno_y"), ajuste.pleno_y);
    guardados.setValue(QStringLiteral("pleno_paso"), ajuste.pleno_paso);
    guardados.setValue(QStringLiteral("pleno_filas"), ajuste.pleno_filas);
    guardados.endGroup();
    guardados.sync();
    if (guardados.status() != QSettings::NoError)
        throw Error_tolvera(QStringLiteral("Cannot write the settings to %1").arg(guardados.fileName()));
}

}  // namespace impresion
