#!/usr/bin/env python3
# Writes the libFuzzer dictionaries fuzz/dict/<target>.dict of the text formats: the key words
# spelt in each reader and found in its seed corpus, plus the bytes every text format shares.
# Run from anywhere: python3 fuzz/make_dicts.py
import os, re, subprocess, collections
repo=os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
root=repo+'/fuzz/corpus'; out=repo+'/fuzz/dict'
# the reader sources of each target (where its key words are spelt)
src = {
 'app_registry': ['nad/nad_registry.cpp'], 'catalogue': ['catalogue/vbm_catalogue.cpp'],
 'datafile': ['foundation/datafile.cpp'], 'ec1_tables': ['nad/nad_ec1.cpp'],
 'guillemet': ['foundation/guillemet.cpp'], 'help_file': ['platform/zelkwin_env.cpp'],
 'input_annex': ['splice/input_file.cpp', 'nad/nad_record.cpp'], 'input_file': ['splice/input_file.cpp'],
 'lkom_ascii': ['splice/lkom.cpp'], 'nachweis_def': ['checks/nchw_def.cpp'], 'nachweis_val': ['checks/nachweis_val.cpp'],
 'nad_file': ['nad/nad_file.cpp'], 'nad_old_store': ['nad/nad_legacy.cpp'], 'nad_section': ['nad/nad_file.cpp'],
 'nchw_blocks': ['checks/nchw_file.cpp'], 'picture_info': ['printlist/oli_picture.cpp'],
 'print_list': ['platform/oliview_read.cpp', 'platform/oliview_text.cpp'],
 'print_pdf': ['platform/oliview_read.cpp', 'platform/oliview_text.cpp'], 'text_block': ['dialogs/textblock.cpp'],
 'title_file': ['splice/startup.cpp'], 'version_file': ['foundation/version_file.cpp'],
 'gui_script': ['platform/zelkwin_input.cpp'],
}
# print-list escapes and element records
extra = {'print_list': [b'\xceH', b'\xcer', b'\xce@', b'\xcet', b'\xceb', b'\xce\\', b' 75 ', b' 27 ', b' 18 ', b' 38 ', b'50 ', b'51 ', b'-999 ']}
extra['print_pdf'] = extra['print_list']
# the script's events and key names, and characters that code page 850 lacks (euro, quotes, dash,
# ellipsis, a character of four bytes)
extra['gui_script'] = [b'click ', b'rclick ', b'dclick ', b'press ', b'release ', b'move ', b'wheel ',
                       b'key ', b'type ', b'answer ', b'sleep ', b'close', b'Enter', b'Esc', b'Tab',
                       b'ctrl-v', b'#65', b'\xe2\x82\xac', b'\xe2\x80\x9e', b'\xe2\x80\x9c', b'\xe2\x80\x93',
                       b'\xe2\x80\xa6', b'\xf0\x9f\x98\x80', b'\xc3\xa4']
special = [b'\xae', b'\xaf', b'\xab', b'\xbb', b'\xc2\xab', b'\xc2\xbb', b'\xef\xbb\xbf', b'\xfe', b'\xfd', b'\xfc',
           b'\x84', b'\x94', b'\xe1', b'\xe4', b'\xf6', b'\xdf', b'\xc3\xa4', b'\xc3\x9f',
           b'\r\n', b'0x', b'-1', b'2147483648', b'4294967296', b'1e308', b'-1e308', b'0x8000333333333', b'nan', b'inf']
def esc(b):
    return ''.join(chr(c) if 32 <= c < 127 and c not in (34, 92) else '\\x%02X' % c for c in b)
def keyword(w):
    return re.fullmatch(rb'#[A-Za-z_0-9/]{2,30}|[A-Z][A-Z0-9_]{1,30}|-[a-z]{3,20}|\*[A-Z]{2,20}', w) is not None
for name, files in sorted(src.items()):
    words = collections.OrderedDict()
    for f in files:
        text = open(os.path.join(repo, f), 'rb').read()
        for lit in re.findall(rb'"((?:[^"\\\n]|\\.)*)"', text):
            for w in re.findall(rb'[#*\-]?[A-Za-z_][A-Za-z_0-9/]*', lit):
                if keyword(w): words[w] = 1
        # the fixed text of a scanf format ("NAD/Version %d": "NAD/Version "), a gate of the reader
        for fmt in re.findall(rb'scanf\s*\([^,;]*,\s*"((?:[^"\\\n]|\\.)*)"', text):
            fmt = fmt.replace(b'\\n', b'\n').replace(b'\\t', b'\t')
            for piece in re.split(rb'%[^a-zA-Z%]*[a-zA-Z]', fmt):
                if re.search(rb'[A-Za-z]{2}', piece): words[piece] = 1
    # a word of the seeds counts when a quarter of the files hold it (mutated files hold debris)
    c = collections.Counter()
    files = os.listdir(os.path.join(root, name))
    for f in files:
        seen = set()
        for line in open(os.path.join(root, name, f), 'rb').read().split(b'\n'):
            for w in re.findall(rb'[#*\-]?[A-Za-z_][A-Za-z_0-9/]*', line.strip()[:40]):
                if keyword(w): seen.add(w)
        c.update(seen)
    for w, n in c.most_common(120):
        if n * 4 >= len(files): words[w] = 1
    lines = ['# libFuzzer dictionary of the %s format: the key words of its reader and of the seed' % name,
             '# files, the guillemets of code pages 850, 1252 and UTF-8, the blank marks, umlauts, and',
             '# numbers at the ends of their ranges.']
    lines += ['"%s"' % esc(w) for w in words]
    for b in extra.get(name, []) + special:
        l = '"%s"' % esc(b)
        if l not in lines: lines.append(l)
    open(os.path.join(out, name + '.dict'), 'w').write('\n'.join(lines) + '\n')
    print(name, len(words))
