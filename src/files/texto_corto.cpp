#include "files/texto_corto.h"

#include "common/ansi.h"

namespace texto_corto {

void pon(QByteArray& registro, int en, int capacidad, const QString& texto)
{
    const QByteArray bytes = ansi::a_bytes(ansi::guardable(texto).left(capacidad));
    registro[en] = static_cast<char>(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        registro[en + 1 + i] = bytes[i];
}

QString lee(const QByteArray& registro, int en, int capacidad)
{
    const int longitud = qMin(static_cast<int>(static_cast<unsigned char>(registro[en])), capacidad);
    return ansi::a_texto(registro.mid(en + 1, longitud));
}

}  // namespace texto_corto
