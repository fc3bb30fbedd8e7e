#pragma once

#include <QString>

#include <stdexcept>

// An error that ends the handler it arises in. The handler's caller shows it
// through the general error report (widgets/mensajes.h) and the program goes on.
class Error_tolvera : public std::runtime_error {
public:
    explicit Error_tolvera(const QString& texto)
        : std::runtime_error(texto.toStdString()), texto_(texto) {}
    const QString& texto() const { return texto_; }

private:
    QString texto_;
};
