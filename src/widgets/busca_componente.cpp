#include "widgets/busca_componente.h"

#include <QHash>
#include <QPointer>

#include <stdexcept>

namespace {

// Names are looked up in hot loops (112 bet cells per print or distribution),
// so each window keeps an index by lower-case name, rebuilt on a miss.
using Indice = QHash<QString, QPointer<QWidget>>;

Indice& indice_de(const QWidget* ventana)
{
    static QHash<const QWidget*, Indice> indices;
    return indices[ventana];
}

void reconstruye(const QWidget* ventana, Indice& indice)
{
    indice.clear();
    const auto hijos = ventana->findChildren<QWidget*>();
    for (QWidget* hijo : hijos) {
        const QString clave = hijo->objectName().toLower();
        if (!clave.isEmpty() && !indice.contains(clave))
            indice.insert(clave, hijo);
    }
}

}  // namespace

QWidget* busca_componente(const QWidget* ventana, const QString& nombre)
{
    if (!ventana || nombre.isEmpty())
        return nullptr;
    Indice& indice = indice_de(ventana);
    const QString clave = nombre.toLower();
    auto encontrado = indice.constFind(clave);
    if (encontrado != indice.constEnd() && !encontrado->isNull()
        && encontrado.value()->objectName().compare(nombre, Qt::CaseInsensitive) == 0)
        return encontrado->data();
    reconstruye(ventana, indice);
    encontrado = indice.constFind(clave);
    return encontrado != indice.constEnd() ? encontrado->data() : nullptr;
}

void falta_componente(const QWidget* ventana, const QString& nombre)
{
    const QString de_ventana = ventana ? ventana->objectName() : QStringLiteral("(ninguna)");
    throw std::logic_error(QStringLiteral("Falta el componente %1 en la ventana %2")
                               .arg(nombre, de_ventana).toStdString());
}
