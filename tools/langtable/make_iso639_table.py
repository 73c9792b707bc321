#!/usr/bin/env python3
"""Writes the media library's ISO 639 table (iso639_table.cpp) once.

Not part of the build; run by hand and commit the result:
    python3 tools/langtable/make_iso639_table.py > \
        src/function/marbleto_library/arguments/util/iso639_table.cpp

Three-letter codes come from Debian's iso-codes (ISO 639-2/T); native names
from the interface's own language table (Qt's locale data, the "lct"
resource) where it knows the language, else from the hand list below, else
the English name.
"""
import json
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))

# Two-letter code and English name, in the table's order.
ROWS = """aa Afar|ab Abkhaz|af Afrikaans|ak Akan|sq Albanian|am Amharic|ar Arabic|an Aragonese|hy Armenian|as Assamese|av Avar|ae Avestan|ay Aymara|az Azerbaijani|ba Bashkir|bm Bambara|eu Basque|be Belarusian|bn Bengali|bh Bihari|bi Bislama|bs Bosnian|br Breton|bg Bulgarian|my Burmese|ca Catalan|ch Chamorro|ce Chechen|zh Chinese|cu Church Slavonic|cv Chuvash|kw Cornish|co Corsican|cr Cree|hr Croatian|cs Czech|da Danish|dv Divehi|nl Dutch|dz Dzongkha|en English|eo Esperanto|et Estonian|ee Ewe|fo Faroese|fj Fijian|fi Finnish|fr French|fy Western Frisian|ff Fulah|ka Georgian|de German|gd Gaelic (Scots)|gl Galician|gv Manx|el Greek, Modern|kl Greenlandic|gn Guarani|gu Gujarati|ht Haitian|ha Hausa|he Hebrew|hz Herero|hi Hindi|ho Hiri Motu|hu Hungarian|ig Igbo|is Icelandic|io Ido|iu Inuktitut|ie Interlingue|ia Interlingua|id Indonesian|ik Inupiaq|ga Irish|it Italian|jv Javanese|ja Japanese|kn Kannada|ks Kashmiri|kr Kanuri|kk Kazakh|km Central Khmer|ki Kikuyu|rw Kinyarwanda|ky Kirghiz|kv Komi|kg Kongo|ko Korean|kj Kuanyama|ku Kurdish|lo Lao|la Latin|lv Latvian|li Limburgish|ln Lingala|lt Lithuanian|lb Luxembourgish|lu Luba-Katanga|lg Ganda|mk Macedonian|mh Marshallese|ml Malayalam|mi Maori|mr Marathi|ms Malay|mg Malagasy|mt Maltese|mo Moldavian|mn Mongolian|na Nauruan|nv Navajo|nr Ndebele, South|nd Ndebele, North|ng Ndonga|ne Nepali|nn Norwegian Nynorsk|nb Norwegian Bokmål|no Norwegian|ii Nuosu|ny Chewa|oc Occitan (post 1500); Provençal|oj Ojibwe|or Oriya|om Oromo|os Ossetian; Ossetic|fa Persian|pi Pali|pl Polish|pt Portuguese|pa Punjabi|ps Pashto|qu Quechua|ro Romanian|rm Romansh|rn Rundi|ru Russian|sm Samoan|sg Sango|sa Sanskrit|sc Sardinian|sr Serbian|si Sinhala|sk Slovak|sl Slovenian|se Northern Sami|sn Shona|sd Sindhi|so Somali|st Sotho, Southern|es Spanish|ss Swati|su Sundanese|sw Swahili|sv Swedish|ty Tahitian|tg Tajik|ta Tamil|tt Tatar|te Telugu|tl Tagalog|th Thai|bo Tibetan|ti Tigrinya|to Tonga (Tonga Islands)|tn Tswana|ts Tsonga|tk Turkmen|tr Turkish|tw Twi|uk Ukrainian|ur Urdu|ug Uyghur|uz Uzbek|ve Venda|vi Vietnamese|vo Volapük|cy Welsh|wa Walloon|wo Wolof|xh Xhosa|yi Yiddish|yo Yoruba|za Zhuang|zu Zulu"""

# Columns 5 (639-2/B, "" for an empty text) and 6 (withdrawn code).
EXTRA = {
    "sq": ("alb", None), "hy": ("arm", None), "eu": ("baq", None), "my": ("bur", None),
    "zh": ("chi", None), "hr": ("scr", None), "cs": ("cze", None), "nl": ("dut", None),
    "fr": ("fre", None), "ka": ("geo", None), "de": ("ger", None), "el": ("gre", None),
    "he": ("", "iw"), "is": ("ice", None), "id": ("", "in"), "jv": ("", "jw"),
    "mk": ("mac", None), "mi": ("mao", None), "ms": ("msa", None), "fa": ("per", None),
    "ro": ("rum", None), "sr": ("scc", None), "sk": ("slo", None), "bo": ("tib", None),
    "cy": ("wel", None), "yi": ("", "ji"),
}

# Native names of the languages Qt's locale data lacks, as the ISO 639-1
# lists publish them.
NATIVE = {
    "aa": "Afaraf", "ab": "аҧсуа бызшәа", "an": "aragonés", "av": "авар мацӀ", "ae": "avesta",
    "ay": "aymar aru", "ba": "башҡорт теле", "bh": "भोजपुरी", "bi": "Bislama", "ch": "Chamoru",
    "ce": "нохчийн мотт", "cu": "ѩзыкъ словѣньскъ", "cv": "чӑваш чӗлхи", "cr": "ᓀᐦᐃᔭᐍᐏᐣ",
    "dv": "ދިވެހި", "fj": "vosa Vakaviti", "gn": "Avañe'ẽ", "ht": "Kreyòl ayisyen", "hz": "Otjiherero",
    "ho": "Hiri Motu", "io": "Ido", "iu": "ᐃᓄᒃᑎᑐᑦ", "ie": "Interlingue", "ia": "Interlingua",
    "ik": "Iñupiaq", "kr": "Kanuri", "kv": "коми кыв", "kg": "Kikongo", "kj": "Kuanyama",
    "la": "latine", "li": "Limburgs", "lu": "Tshiluba", "mh": "Kajin M̧ajeļ", "mo": "limba moldovenească",
    "na": "Dorerin Naoero", "nv": "Diné bizaad", "nr": "isiNdebele", "ng": "Owambo", "no": "Norsk",
    "oj": "ᐊᓂᔑᓈᐯᒧᐎᓐ", "pi": "पाऴि", "sm": "gagana fa'a Samoa", "sc": "sardu", "ss": "SiSwati",
    "st": "Sesotho", "ty": "Reo Tahiti", "tl": "Wikang Tagalog", "tn": "Setswana", "ts": "Xitsonga",
    "tw": "Twi", "ve": "Tshivenḓa", "vo": "Volapük", "wa": "walon", "za": "Saɯ cueŋƅ",
    "os": "ирон æвзаг", "ks": "कॉशुर", "kw": "Kernewek", "ii": "ꆈꌠ꒿ Nuosuhxop", "ny": "chiCheŵa",
    "oc": "occitan", "sa": "संस्कृतम्", "sd": "सिन्धी", "ug": "ئۇيغۇرچە", "wo": "Wollof", "yi": "ייִדיש",
}


def lct_names():
    names = {}
    path = os.path.join(ROOT, "src", "gui", "UIBaseData", "lct", "lct")
    with open(path, encoding="utf-8-sig") as f:
        for part in f.read().split(";"):
            part = part.strip().strip("{}").strip()
            if "," not in part:
                continue
            code, name = (x.strip() for x in part.split(",", 1))
            if "-" not in code:
                names[code] = name
    return names


def c_string(s):
    if s is None:
        return "nullptr"
    out = []
    for ch in s:
        if ch in '"\\':
            out.append("\\" + ch)
        else:
            out.append(ch)
    return '"' + "".join(out) + '"'


def main():
    iso = json.load(open("/usr/share/iso-codes/json/iso_639-2.json", encoding="utf-8"))["639-2"]
    by2 = {e["alpha_2"]: e for e in iso if "alpha_2" in e}
    lct = lct_names()
    rows = [r.split(" ", 1) for r in ROWS.split("|")]
    assert len(rows) == 185, len(rows)
    out = sys.stdout
    out.write("// Generated once by tools/langtable/make_iso639_table.py; edit the script,\n")
    out.write("// not this file. UTF-8 throughout.\n")
    out.write('#include "function/marbleto_library/arguments/util/util.h"\n\n')
    out.write("const iso639_entry iso639_table[] = {\n")
    for code, english in rows:
        t = "mol" if code == "mo" else by2[code]["alpha_3"]
        b, old = EXTRA.get(code, (None, None))
        native = lct.get(code) or NATIVE.get(code) or english
        out.write("    {%s, %s, %s, %s, %s, %s},\n" % (c_string(english), c_string(native), c_string(code),
                                                       c_string(t), c_string(b), c_string(old)))
    out.write("    {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},\n};\n")


main()
