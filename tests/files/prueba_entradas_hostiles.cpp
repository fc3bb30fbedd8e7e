// What a careful user's machine can put under a name the program reads or
// writes, and failures that must neither end the program nor pass for
// success.
#include "apoyo/apoyo.h"
#include "common/error.h"
#include "widgets/mensajes.h"

#include <QTest>

#include <new>
#include <stdexcept>

class Prueba_entradas_hostiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ninguna_excepcion_sale_de_un_manejador()
    {
        Mensajes::captura();
        Mensajes::protege([] { throw std::bad_alloc(); });
        Mensajes::protege([] { throw std::out_of_range("fuera de rango"); });
        Mensajes::protege([] { throw Error_tolvera(QStringLiteral("Disk full")); });
        QCOMPARE(Mensajes::errores_capturados(), (QStringList{QStringLiteral("Out of memory."),
                                                              QStringLiteral("fuera de rango."),
                                                              QStringLiteral("Disk full.")}));
    }
};

QTEST_MAIN(Prueba_entradas_hostiles)
#include "prueba_entradas_hostiles.moc"
