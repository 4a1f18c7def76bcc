// Printer setup and Print: the drawing's rows as lines of text on the program's printer.
#pragma once

#include <memory>

class Drawing;
class QPrinter;
class UiPlatform;

class Printing {
public:
    explicit Printing(UiPlatform& platform);
    ~Printing();

    void setup();           // E2Click
    void print(Drawing& d); // P2Click
    QPrinter& printer();

private:
    UiPlatform& m_platform;
    std::unique_ptr<QPrinter> m_printer;
};
