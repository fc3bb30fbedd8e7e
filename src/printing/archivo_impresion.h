#pragma once

#include <QString>

#include <memory>

class Archivo_al_lado;

// A print into a file goes first into a new file beside it, which takes the
// file's place only once the job has ended and the whole document is on
// disk. On a full disk Qt cuts the file short and still reports success, so
// the check is made on the file itself; whatever file had the name is left
// whole until then. Every failure throws Error_tolvera "Cannot print on
// <file>" with the name the user chose, but for a name that lost letters,
// which is told as such (common/nombre_en_disco.h).
class Archivo_impresion {
public:
    // Makes the new file, and removes what earlier prints to the same file
    // that were killed midway left behind. A link is followed and kept; a
    // name that stands for anything but a regular file, or a file that may not
    // be written, is refused, and so is a name that lost letters on its way
    // through the print dialog. In a folder that takes no new file, the file
    // itself is printed into, as there is no other way.
    explicit Archivo_impresion(const QString& archivo);
    // Removes the new file if it never took the old one's place.
    ~Archivo_impresion();
    Archivo_impresion(const Archivo_impresion&) = delete;
    Archivo_impresion& operator=(const Archivo_impresion&) = delete;

    // Where the printer is to write.
    const QString& temporal() const { return temporal_; }

    // After the job: puts the new file in place when the job ended well and
    // the file holds a whole document, flushed to disk.
    void termina(bool trabajo_terminado);

private:
    [[noreturn]] void falla();
    bool completo() const;

    QString archivo_;  // as the user chose it, for the report
    QString destino_;  // the regular file it stands for
    QString temporal_;
    std::unique_ptr<Archivo_al_lado> al_lado_;  // none when printing into the file itself
};
