#pragma once
// Scintilla's document loader as SCI_CREATELOADER hands it out: a document
// that is filled without undo collection and without telling any view, then
// turned into a document for SCI_SETDOCPOINTER. QScintilla passes the
// message through but does not install Scintilla's declaration of the
// interface (ILoader), so it is declared here: the same three calls in the
// same order, which is all a call through it depends on. The length is
// passed at the full width of a position; Scintilla versions that take an
// int read the same value from it.
#include <cstddef>

class ScintillaLoader {
public:
    // Drops the loader and the text in it (instead of ConvertToDocument).
    virtual int Release() = 0;
    // Appends text; 0 or an SC_STATUS_ value such as SC_STATUS_BADALLOC.
    virtual int AddData(const char* data, std::ptrdiff_t length) = 0;
    // The filled document, with one reference; the loader is gone.
    virtual void* ConvertToDocument() = 0;

protected:
    ~ScintillaLoader() = default;
};
