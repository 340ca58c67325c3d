#include "ui/help_window.h"

#include <QApplication>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "shell/topics.h"
#include "ui/companion.h"
#include "ui/keyboard_visit.h"
#include "ui/offscreen_focus.h"

namespace ui {

namespace {

// Its size at 100 %, and the least.
constexpr int kWidth = 460, kHeight = 700, kLeastWidth = 320, kLeastHeight = 300;

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
<li>Al volver a un ejercicio desde otra ventana del programa, su serie empieza de nuevo, y
la ventana lo avisa; al volver desde otra aplicación, sigue donde estaba.</li>
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
<tr><td><b>Ctrl+L</b></td><td>ordena las ventanas para un proyector: el ejercicio, su prueba de escritorio y Mi
solución llenan la pantalla sin taparse, achicadas si hace falta; el menú queda detrás</td></tr>
<tr><td><b>Enter</b></td><td>pulsa INGRESO, o el botón que tiene el foco</td></tr>
<tr><td><b>Tab</b></td><td>pasa al control siguiente</td></tr>
<tr><td><b>Flechas</b></td><td>en el menú, pasan al botón de arriba, de abajo o de al lado</td></tr>
</table>
<p>Un clic derecho en cualquier ventana abre un menú con estas mismas acciones.</p>

<h4>La prueba de escritorio y el algoritmo</h4>
<p>F2 abre, al lado del ejercicio, su prueba de escritorio: una fila por cada ingreso y
por cada reinicio de la serie, con lo ingresado, lo que hizo la ventana («Resultado») y
el valor de cada variable del algoritmo después; en negrita, las que cambiaron. Si el
algoritmo recorre un ciclo después de la serie (un ordenamiento, un recorrido del
vector), cada pasada es una fila.</p>
<p>Junto a la tabla está el algoritmo del ejercicio, en pseudocódigo. Resaltadas, las
líneas que ejecutó el último ingreso, entre ellas el <b>Leer</b> que tomó el valor; <b>▶</b>
marca la línea donde el algoritmo espera el próximo valor, que siempre se ve junto con el
ciclo o la decisión que la contiene. Al final de una línea, <b>×N</b> dice cuántas veces se
ejecutó, y <b>→ Verdadero</b> o <b>→ Falso</b>, cómo resultó su condición la última vez; la
leyenda de abajo lo recuerda y dice «▶ terminó» cuando el algoritmo llegó a su fin. En un
vector, sólo están en negrita los elementos que cambiaron desde la fila anterior: en un
ordenamiento, el par que se intercambió. Un clic en una fila muestra lo que ejecutó ese
ingreso; un clic en el nombre de una variable la marca y resalta en ámbar las líneas que le
asignan un valor, y al dejar el puntero sobre el nombre se ven su tipo y esas líneas. Debajo
de la tabla se ve cuánto de la serie se ingresó («valor 4 de 12»). Con el teclado, F6 lleva a
la tabla, que dice también cuánto de la serie se ingresó: las flechas recorren sus filas y Tab
pasa al algoritmo; un marco de color muestra cuál de los dos tiene el teclado.</p>
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

// Each topic with its exercises, each exercise a link named by its window.
QString topicsPage() {
    QString page = QStringLiteral("<h4>Ejercicios por tema</h4>\n<p>Un clic en un número abre su ejercicio.</p>\n"
                                  "<table cellspacing=\"0\" cellpadding=\"3\">\n");
    for (const ej::Topic& topic : ej::topics()) {
        QStringList links;
        for (const std::string& window : topic.windows)
            links << QStringLiteral("<a href=\"%1\">%2</a>")
                         .arg(QString::fromStdString(window), exerciseNumber(window));
        QString name = QString::fromStdString(topic.name);
        name[0] = name[0].toUpper();
        page += QStringLiteral("<tr><td><b>%1</b></td><td>Ejercicio %2</td></tr>\n")
                    .arg(name, links.join(QStringLiteral(", ")));
    }
    return page + QStringLiteral("</table>\n");
}

}  // namespace

HelpWindow::HelpWindow(std::function<void(const std::string&)> openExercise)
    : QWidget(nullptr, Qt::Window | Qt::WindowDoesNotAcceptFocus), page_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("ayuda"));
    setWindowTitle(QStringLiteral("Ayuda - Ejercicios 2005"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);  // after its own close box, F1 opens a fresh one
    setFocusPolicy(Qt::NoFocus);
    honourWindowsThatRefuseFocus();

    page_->setHtml(QString::fromUtf8(kPage) + topicsPage());
    page_->setOpenLinks(false);
    connect(page_, &QTextBrowser::anchorClicked, this,
            [open = std::move(openExercise)](const QUrl& link) { open(link.toString().toStdString()); });
    page_->setFocusPolicy(Qt::NoFocus);
    page_->setAccessibleName(windowTitle());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page_);
    visit_ = new KeyboardVisit(*this, {page_});
}

void HelpWindow::visitFrom(QWidget& window) { visit_->enterFrom(window); }

void HelpWindow::takeFont(const QFont& font) {
    setFont(font);
    // Paragraphs read better in the regular face of the family whose narrow face the
    // windows use.
    QFont reading = font;
    reading.setFamily(QStringLiteral("Liberation Sans"));
    page_->document()->setDefaultFont(reading);
    scale_ = double(font.pixelSize()) / QApplication::font().pixelSize();
}

QSize HelpWindow::wantedSize() const { return QSize(kWidth, kHeight) * scale_; }

QSize HelpWindow::leastSize() const { return QSize(kLeastWidth, kLeastHeight) * scale_; }

}  // namespace ui
