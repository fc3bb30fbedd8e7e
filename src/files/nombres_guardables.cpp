#include "files/nombres_guardables.h"

#include "common/ansi.h"

namespace nombres_guardables {

QList<Inexacto> de(const registro_quiniela::Quiniela& quiniela, const registro_pleno::Pleno& pleno)
{
    // What the record keeps, cuts included, comes from the codec itself.
    const auto leida = registro_quiniela::descodifica(registro_quiniela::codifica(quiniela));
    QList<Inexacto> inexactos;
    const auto mira = [&inexactos](const QString& nombre, const QString& guardado) {
        if (ansi::guardable(nombre) == nombre)
            return;
        for (const Inexacto& visto : inexactos)
            if (visto.nombre == nombre)
                return;
        inexactos.append({nombre, guardado});
    };
    for (std::size_t p = 0; p < quiniela.equipos_local.size(); ++p) {
        mira(quiniela.equipos_local[p], leida.equipos_local[p]);
        mira(quiniela.equipos_visitante[p], leida.equipos_visitante[p]);
    }
    mira(quiniela.fecha, leida.fecha);
    const auto pleno_leido = registro_pleno::descodifica(QByteArray(registro_quiniela::tamano, '\0')
                                                         + registro_pleno::codifica(pleno));
    mira(pleno.local, pleno_leido.local);
    mira(pleno.visitante, pleno_leido.visitante);
    return inexactos;
}

QString aviso(const QList<Inexacto>& inexactos)
{
    QString texto = QStringLiteral("Estos nombres no caben tal cual en el archivo de la quiniela:");
    for (const Inexacto& inexacto : inexactos)
        texto += QStringLiteral("\r«%1» se guardará como «%2»").arg(inexacto.nombre, inexacto.guardado);
    return texto;
}

}  // namespace nombres_guardables
