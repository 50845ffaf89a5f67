// The office layer's sources; see workbook.h, document.h and desktop.h.
namespace office {}
