# SPDX-License-Identifier: AGPL-3.0-or-later
# Writes a pseudo-translation of the template: every text "[[" + English + "]]", so that a
# window test sees which texts went through a translator and which did not, whatever their
# current wording. Run as cmake -DTEMPLATE=... -DOUTPUT=... -P PseudoTranslation.cmake.
file(READ "${TEMPLATE}" ts)
# Sources are XML-escaped already, so they hold no "<" and can be copied as they stand. Texts
# with a translator's comment first, then the others.
set(unfinished "<translation type=\"unfinished\"></translation>")
string(REGEX REPLACE "<source>([^<]*)(</source>[ \n]*<comment>[^<]*</comment>[ \n]*)${unfinished}"
       "<source>\\1\\2<translation>[[\\1]]</translation>" ts "${ts}")
string(REGEX REPLACE "<source>([^<]*)(</source>[ \n]*)${unfinished}"
       "<source>\\1\\2<translation>[[\\1]]</translation>" ts "${ts}")
string(REPLACE "<TS version=\"2.1\">" "<TS version=\"2.1\" language=\"eo\">" ts "${ts}")
file(WRITE "${OUTPUT}" "${ts}")
