// The start-up floor of a whole quillmark-render process, for
// bench/compare_render.py: a program that loads the same GUI library (and
// every library it needs) and makes one tiny 1-bit image, nothing else.
#include <QImage>

int main(int argc, char** /*argv*/) {
    return QImage(argc, 1, QImage::Format_Mono).isNull() ? 1 : 0;
}
