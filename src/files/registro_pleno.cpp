#include "files/registro_pleno.h"

#include "files/registro_quiniela.h"
#include "files/texto_corto.h"

namespace registro_pleno {

namespace {

// Offsets within the trailer, which starts where the record ends.
constexpr int en_marca = 0;
constexpr int en_local = 4;
constexpr int en_visitante = 25;
constexpr int en_goles_local = 46;
constexpr int en_goles_visitante = 47;
constexpr int cabe_equipo = 20;

const QByteArray marca = QByteArrayLiteral("PL15");

char byte_goles(const QString& goles)
{
    return goles.size() == 1 && QStringLiteral("012M").contains(goles) ? goles.at(0).toLatin1() : '\0';
}

QString goles_de(char byte)
{
    return byte != '\0' && QByteArrayLiteral("012M").contains(byte) ? QString(QLatin1Char(byte)) : QString();
}

}  // namespace

bool Pleno::vacio() const
{
    return local.isEmpty() && visitante.isEmpty() && goles_local.isEmpty() && goles_visitante.isEmpty();
}

QByteArray codifica(const Pleno& pleno)
{
    if (pleno.vacio())
        return {};
    QByteArray cola(tamano, '\0');
    cola.replace(en_marca, marca.size(), marca);
    texto_corto::pon(cola, en_local, cabe_equipo, pleno.local);
    texto_corto::pon(cola, en_visitante, cabe_equipo, pleno.visitante);
    cola[en_goles_local] = byte_goles(pleno.goles_local);
    cola[en_goles_visitante] = byte_goles(pleno.goles_visitante);
    return cola;
}

Pleno descodifica(const QByteArray& archivo)
{
    const QByteArray cola = archivo.mid(registro_quiniela::tamano, tamano);
    if (cola.size() < tamano || !cola.startsWith(marca))
        return {};
    return {texto_corto::lee(cola, en_local, cabe_equipo), texto_corto::lee(cola, en_visitante, cabe_equipo),
            goles_de(cola[en_goles_local]), goles_de(cola[en_goles_visitante])};
}

}  // namespace registro_pleno
