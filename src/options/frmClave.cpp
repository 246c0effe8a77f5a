// The key-image window's handlers: every opening resets the key; a click marks and chooses a picture.
#include "frmClave.h"

namespace gemelario {

void frmClave::Form_Load(Dialogo& ventana) {
    imagenes = TablaImagenes();
    for (int i = 1; i <= kImagenes; ++i) ventana.ponerImagen("picImagen", i, imagenes[i]);
    clave = imagenes[1];
}

void frmClave::picImagen_Click(Dialogo& ventana, int index) {
    if (index < 1 || index > kImagenes) return;
    for (int j = 1; j <= kImagenes; ++j) ventana.ponerBorde("picImagen", j, true);
    clave = imagenes[index];
    ventana.ponerBorde("picImagen", index, false);
}

void frmClave::cmdDesconocida_Click(Dialogo& ventana, Reloj& reloj, Azar& azar) {
    clave = imagenes[SortearImagen(reloj, azar)];
    ventana.cerrar();
}

void frmClave::cmdAceptar_Click(Dialogo& ventana) { ventana.cerrar(); }

} // namespace gemelario
