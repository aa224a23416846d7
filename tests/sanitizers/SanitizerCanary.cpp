// Faults made on purpose in a program built like the game, one for each
// name given on the command line. A sanitized build's tests expect each to
// be reported: proof that the sanitizers are compiled into code that uses
// Qt, that a fault ends the program, and that lsan.supp still lets a leak
// made by the game's code through.
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QWidget>
#include <cstdio>
#include <cstring>

namespace {

// One of the game's pictures loaded and never deleted. (Not a widget: one
// made without a parent stays reachable from Qt's own state until exit, so
// LeakSanitizer never finds it lost.)
void leakAPicture() {
    new QImage(QStringLiteral(":/board.bmp"));
}

// A child label used after its parent has deleted it.
void useADeletedChild() {
    auto* parent = new QWidget;
    auto* label = new QLabel(parent);
    delete parent;
    std::printf("%d\n", label->isVisible());
}

// A plain child widget, looked up through Qt, taken for a label. Only what
// a widget has is read, so the program could carry on.
void castAWidgetToALabel() {
    QWidget parent;
    new QWidget(&parent);
    const auto* label = static_cast<const QLabel*>(parent.findChild<QWidget*>());
    std::printf("%d\n", label->isVisible());
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const char* fault = argc > 1 ? argv[1] : "";
    if (std::strcmp(fault, "leak") == 0) {
        leakAPicture();
        return 0;
    }
    if (std::strcmp(fault, "use-after-free") == 0) {
        useADeletedChild();
    } else if (std::strcmp(fault, "bad-downcast") == 0) {
        castAWidgetToALabel();
    } else {
        std::fprintf(stderr, "unknown fault: %s\n", fault);
        return 2;
    }
    // Reached only when the sanitizer let the program go on. Said on stderr,
    // which is unbuffered: a leak report at exit ends the program before
    // stdout is flushed.
    std::fputs("survived\n", stderr);
    return 0;
}
