#pragma once

#include <QFont>

// The faces of both programs' windows. "Segoe UI" where it is installed; elsewhere Open
// Sans, a humanist face close to it, with its Light and SemiBold weights standing in for
// Semilight and Semibold.
enum class Face { Regular, Semilight, Semibold };

QFont uiFont(double points, Face face = Face::Regular, bool bold = false);
