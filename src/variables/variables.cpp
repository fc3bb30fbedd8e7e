#include "variables/variables.h"

Tventana_variables* ventana_variables = nullptr;

Tventana_variables::Tventana_variables()
    : Tventana_secundaria(QStringLiteral("ventana_variables"), 375, 299)
{
    ventana_variables = this;
    setObjectName(QStringLiteral("ventana_variables"));
}

Tventana_variables::~Tventana_variables()
{
    if (ventana_variables == this)
        ventana_variables = nullptr;
}
