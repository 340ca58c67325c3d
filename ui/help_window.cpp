#include "ui/help_window.h"

#include <QApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/keyboard_visit.h"
#include "ui/offscreen_focus.h"

namespace ui {

namespace {

// Its size at 100 %: the whole page, with room for its widest table row; it narrows down
// to kMinWidth rather than cover the window it was opened from.
constexpr int kWidth = 460, kMinWidth = 320, kHeight = 700;

const char* const kPage = R"(
<h3>Ejercicios 2005</h3>
<p>Setenta ejercicios resueltos de un primer curso de lógica de programación. Cada botón
del menú abre un ejercicio en una ventana propia, con su enunciado arriba; al dejar el
puntero sobre un botón del menú se lee el enunciado de su ejercicio.</p>

<h4>Cómo ingresar los valores</h4>
<ul>
<li>Escriba un número en el cuadro de ingreso y pulse <b>INGRESO</b> o Enter: un valor
por vez.</li>
<li>Un número lleva, si hace falta, signo, decimales y exponente: 12, -3,5, 2.5, 1e3.
Valen la coma y el punto decimales; no escriba separador de miles (1.000 es uno).</li>
<li>Cuando la serie está completa, la ventana bloquea el ingreso y muestra los
resultados; <b>SALIR</b> la cierra.</li>
<li>Al volver a un ejercicio desde otra ventana del programa, su serie empieza de nuevo;
al volver desde otra aplicación, sigue donde estaba.</li>
</ul>

<h4>Si un valor es rechazado</h4>
<p>La línea de mensaje de la ventana dice por qué, por ejemplo «El valor abc no es
numérico» o «El valor -4 no es lo pedido»: no es un número, o no es lo que pide el
enunciado (un entero, un positivo, un valor dentro de los límites). El valor rechazado
no se cuenta: escriba otro y siga con la serie.</p>

<h4>Teclas</h4>
<table cellspacing="0" cellpadding="3">
<tr><td><b>F1</b></td><td>abre y cierra esta ayuda</td></tr>
<tr><td><b>F2</b></td><td>abre y cierra la prueba de escritorio y el algoritmo del ejercicio</td></tr>
<tr><td><b>F3</b></td><td>abre y cierra Mi solución: su propio algoritmo del ejercicio</td></tr>
<tr><td><b>F6</b></td><td>lleva el teclado a la prueba de escritorio, luego a Mi solución, luego a esta
ayuda, y de vuelta al ejercicio; <b>Esc</b> vuelve al ejercicio sin reiniciar la serie</td></tr>
<tr><td><b>Ctrl++</b> y <b>Ctrl+-</b>&nbsp;&nbsp;</td><td>agrandan y achican todas las ventanas, para un proyector</td></tr>
<tr><td><b>Ctrl+0</b></td><td>vuelve al tamaño normal y trae de vuelta todo lo que, ampliado, no entraba en la pantalla</td></tr>
<tr><td><b>Enter</b></td><td>pulsa INGRESO, o el botón que tiene el foco</td></tr>
<tr><td><b>Tab</b></td><td>pasa al control siguiente</td></tr>
</table>
<p>Un clic derecho en cualquier ventana abre un menú con estas mismas acciones.</p>

<h4>La prueba de escritorio y el algoritmo</h4>
<p>F2 abre, al lado del ejercicio, su prueba de escritorio: una fila por cada ingreso y
por cada reinicio de la serie, con lo ingresado, lo que hizo la ventana («Resultado») y
el valor de cada variable del algoritmo después; en negrita, las que cambiaron. Si el
algoritmo recorre un ciclo después de la serie (un ordenamiento, un recorrido del
vector), cada pasada es una fila.</p>
<p>Junto a la tabla está el algoritmo del ejercicio, en pseudocódigo. Resaltadas, las
líneas que ejecutó el último ingreso; <b>▶</b> marca la línea donde el algoritmo espera el
próximo valor. Al final de una línea, <b>×N</b> dice cuántas veces se ejecutó, y
<b>→ Verdadero</b> o <b>→ Falso</b>, cómo resultó su condición la última vez. Un clic en
una fila muestra lo que ejecutó ese ingreso; un clic en el nombre de una variable marca
las líneas que le asignan un valor. Con el teclado, F6 lleva a la tabla: las flechas recorren
sus filas y Tab pasa al algoritmo.</p>
<p><b>Copiar</b> copia la tabla, para pegarla en una planilla de cálculo; <b>Copiar
algoritmo</b> copia el algoritmo tal cual, para pegarlo en PSeInt y ejecutarlo allí.</p>

<h4>Mi solución (F3)</h4>
<p>F3 abre, al lado del ejercicio, una ventana para escribir su propio algoritmo en el
pseudocódigo de PSeInt: la primera vez se elige empezar con el enunciado o en blanco.
Para hacer lo mismo que la ventana, el algoritmo debe
pedir cada valor con Leer, avisar con Escribir cuando se rechaza uno, escribir los resultados al final.</p>
<p>Los errores se subrayan en el texto y se listan debajo: un clic o Enter en uno lleva
a su lugar. Mientras no tiene errores, el algoritmo sigue a la ventana ingreso por
ingreso; debajo está su prueba de escritorio, con las líneas que ejecutó resaltadas en el
texto y la primera diferencia con la ventana marcada. <b>Comprobar</b> (<b>Ctrl+Enter</b>) lo
prueba con las series del docente y otras al azar; si algo difiere, <b>Ver lado a lado</b>
muestra esa serie en las dos pruebas de escritorio.</p>
<p><b>Abrir…</b> lee un archivo .psc, también uno guardado por PSeInt en Windows;
<b>Guardar</b> (<b>Ctrl+S</b>) y <b>Guardar como…</b> lo escriben: nada se guarda sin
pedirlo. F3 o Esc cierra la ventana, y el texto sigue ahí al abrirla otra vez; al cerrarla,
o al salir del programa, con cambios sin guardar, pregunta si guardarlos.</p>
)";

}  // namespace

HelpWindow::HelpWindow()
    : QWidget(nullptr, Qt::Window | Qt::WindowDoesNotAcceptFocus), page_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("ayuda"));
    setWindowTitle(QStringLiteral("Ayuda - Ejercicios 2005"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);  // after its own close box, F1 opens a fresh one
    setFocusPolicy(Qt::NoFocus);

    page_->setHtml(QString::fromUtf8(kPage));
    page_->setOpenLinks(false);
    page_->setFocusPolicy(Qt::NoFocus);
    page_->setAccessibleName(windowTitle());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page_);
    visit_ = new KeyboardVisit(*this, {page_});
}

void HelpWindow::visitFrom(QWidget& window) { visit_->enterFrom(window); }

void HelpWindow::showBeside(const QWidget& window) {
    honourWindowsThatRefuseFocus();
    beside_ = &window;
    sizeAndPlace();
    show();
}

void HelpWindow::takeFont(const QFont& font) {
    const bool rescaled = font.pixelSize() != this->font().pixelSize();
    setFont(font);
    // Paragraphs read better in the regular face of the family whose narrow face the
    // windows use.
    QFont reading = font;
    reading.setFamily(QStringLiteral("Liberation Sans"));
    page_->document()->setDefaultFont(reading);
    scale_ = double(font.pixelSize()) / QApplication::font().pixelSize();
    if (isVisible() && rescaled) sizeAndPlace();
}

// To the left of the window it was opened from where the screen has room, else to its
// right, the side its desk check takes first; where neither side has room, on the roomier
// one, narrowed to it down to a readable width. Top edges aligned; never off the screen.
void HelpWindow::sizeAndPlace() {
    const QWidget& window = beside_ ? *beside_ : *this;
    const QRect screen = window.screen()->availableGeometry();
    const QRect outside = window.frameGeometry();
    const QSize frame = outside.size() - window.size();  // the window manager's borders and title bar
    const int roomLeft = outside.left() - screen.left(), roomRight = screen.right() - outside.right();
    const int wanted = int(kWidth * scale_) + frame.width();
    const bool left = roomLeft >= wanted || (roomRight < wanted && roomLeft > roomRight);
    const int width = beside_ ? std::clamp(left ? roomLeft : roomRight, int(kMinWidth * scale_) + frame.width(), wanted)
                              : wanted;
    resize(std::min(width, screen.width()) - frame.width(),
           std::min(int(kHeight * scale_) + frame.height(), screen.height()) - frame.height());
    if (!beside_) return;  // its window has closed since: it stays where it is
    const QSize outer = size() + frame;
    const int x = left ? outside.left() - outer.width() : outside.right() + 1;
    move(std::clamp(x, screen.left(), std::max(screen.left(), screen.right() + 1 - outer.width())),
         std::clamp(outside.top(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - outer.height())));
}

}  // namespace ui
