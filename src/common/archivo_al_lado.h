#pragma once

#include <QByteArray>

#include <sys/stat.h>

// The new file beside a file that a save or a print writes whole and then
// renames into the file's place, so that a failure leaves the old file
// whole. It is named after the file, NOMBRE.XXXXXXXX (eight hex digits, one
// at least a letter), and
// held locked while this lives: a process killed midway leaves one behind
// that nobody holds, and the next one made for the same file removes such
// leftovers, never the file of a write still going on in another process.
class Archivo_al_lado {
public:
    // `destino` is the file's name on disk, links already followed; made
    // with the old file's permissions when `anterior` is given, else with the
    // user's default ones. error() tells why it could not be made.
    Archivo_al_lado(const QByteArray& destino, const struct stat* anterior);
    // Removes the new file unless it took the old one's place.
    ~Archivo_al_lado();
    Archivo_al_lado(const Archivo_al_lado&) = delete;
    Archivo_al_lado& operator=(const Archivo_al_lado&) = delete;

    bool creado() const { return descriptor_ >= 0; }
    int error() const { return error_; }
    int descriptor() const { return descriptor_; }
    const QByteArray& nombre() const { return nombre_; }

    // Flushes the new file to disk and renames it onto the old one; 0, or the
    // errno of the step that failed (the new file then goes with this).
    int pon_en_su_sitio();

private:
    QByteArray destino_;
    QByteArray nombre_;
    int descriptor_ = -1;
    int error_ = 0;
    bool en_su_sitio_ = false;
};
