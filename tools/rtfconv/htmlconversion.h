#pragma once

#include "rtf/richtextdocument.h"

#include <QString>

namespace tabulet::rtfconv {

// A note as an HTML page: one <p> per paragraph (text-align when not left), list paragraphs as
// <li> in <ul> or <ol type start>, character formats as <b>, <i>, <u>, <s>, <sup>, <sub> and a
// styled <span>, links as <a href>, pictures as <img> with a data: address.
QString toHtml(const rtf::RichTextDocument &document);

} // namespace tabulet::rtfconv
