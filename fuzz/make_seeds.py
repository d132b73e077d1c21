#!/usr/bin/env python3
"""Seed corpora of the fuzz targets: real files of environment/, examples/ and the golden print
lists, plus a few small files of each format written by hand. Writes fuzz/corpus/<target>/seed_*;
files of fixed findings (crash_*) are left alone. Run from anywhere: fuzz/make_seeds.py"""
import glob
import os
import re

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ENV = os.path.join(ROOT, 'environment')
EX = os.path.join(ROOT, 'examples')
CORPUS = os.path.join(ROOT, 'fuzz', 'corpus')

CATALOGUES = [
    'ec5_nagel.dat', 'ec5_klammer.dat', 'ec5_schraube.dat', 'ec5_assy_plus_vg_z.dat',
    'ec5_assy_plus_vg_s.dat', 'ec5_spax_s_vg.dat', 'ec5_spax_s_tg.dat', 'ec5_spax_t_tg.dat',
    'ec5_sondernagel.dat', 'ec5_simpson_cna.dat', 'ec5_simpson_csa.dat', 'ec5_ringduebel_a1.dat',
    'ec5_schduebel_c1.dat', 'ec5_schduebel_c5.dat', 'ec5_schduebel_c10.dat', 'ec5_schduebel_B1.dat',
    'ec5_schduebel_c2.dat', 'ec5_schduebel_c11.dat', 'ec5_topix_k6k_vg.dat', 'ec5_topix_k6k_tg.dat',
    'ec5_topix_rundk_vg.dat', 'ec5_topix_senkk_vg.dat', 'ec5_topix_tcs_senkk_var_vg.dat',
    'ec5_topix_tcs_senkk_tg.dat', 'ec5_topix_frt_senkk_var_vg.dat', 'ec5_topix_frt_senkk_vg.dat',
    'ec5_topix_frt_senkk_tg.dat', 'ec5_topix_tellerk_var_vg.dat', 'ec5_topix_tellerk_tg.dat',
    'ec5_topix_tellerk_vg.dat', 'ec5_topix_zylk_vg.dat', 'ec5_topix_zylsenk_vg.dat']


def rd(path):
    with open(path, 'rb') as f:
        return f.read()


def put(target, name, data):
    d = os.path.join(CORPUS, target)
    os.makedirs(d, exist_ok=True)
    with open(os.path.join(d, 'seed_' + name), 'wb') as f:
        f.write(data)


def main():
    for d in glob.glob(os.path.join(CORPUS, '*')):
        for f in glob.glob(os.path.join(d, 'seed_*')):
            os.remove(f)
    nad = os.path.join(ENV, 'data', 'NAD')
    priv = os.path.join(ENV, 'exec', 'splice')
    # input files, title files
    for p in sorted(glob.glob(os.path.join(EX, '*', '*.inp'))):
        put('input_file', os.path.basename(p), rd(p))
        put('input_annex', os.path.basename(p), rd(p))
        put('guillemet', os.path.basename(p), rd(p))
    # damaged forms of the first example: fractional counts; a damaged or cut annex section
    zug = rd(os.path.join(EX, 'zugstoss_nagel', 'zugstoss_nagel_01.inp'))
    put('input_file', 'fractional_columns', zug.replace(b'LAYOUT 0 8 5 0 0', b'LAYOUT 0 7.9 5 0 0'))
    put('input_file', 'fractional_rows', zug.replace(b'LAYOUT 0 8 5 0 0', b'LAYOUT 0 8 4.5 0 0'))
    put('input_file', 'fractional_plates', b'SPLICE 201\nPLATES 2.5 0.8 18 5 0 0\nEND\n')
    put('input_file', 'utf16', b'\xff\xfe' + zug.decode('latin-1').encode('utf-16-le'))
    # counts whose digits reach beyond a double's precision, hexadecimal, a real beyond its range,
    # a record twice, a byte-order mark of UTF-8, UTF-16 without a mark behind a blank line
    lay = b'LAYOUT 0 8 5 0 0'
    put('input_file', 'count_digits', zug.replace(lay, b'LAYOUT 0 8.9999999999999999999 5 0 0'))
    put('input_file', 'count_hex', zug.replace(lay, b'LAYOUT 0 0x8 5 0 0'))
    put('input_file', 'real_underflow', b'SPLICE 201\nGAMMAS 1.3 1e-400 1 1.25 1.15 1.3\nEND\n')
    put('input_file', 'record_twice', zug.replace(lay, lay + b'\nLAYOUT 0 9 5 0 0'))
    put('input_file', 'utf8_mark', b'\xef\xbb\xbf' + zug)
    put('input_file', 'utf16le_blank', '\r\n'.encode('utf-16-le')
        + zug.decode('latin-1').encode('utf-16-le'))
    put('input_file', 'utf16be_blank', '\n'.encode('utf-16-be') + zug.decode('latin-1').encode('utf-16-be'))
    body = zug.split(b'ACTIV_NADNAME')[0]
    std = b'\xaeEC-Standardparameter\xaf\n'
    put('input_annex', 'keyword_changed', body + b'ACTIV_NADNAMF\n' + std)
    put('input_annex', 'keyword_gone', body + std)
    put('input_annex', 'name_cut', body + b'ACTIV_NADNAME\n')
    put('input_annex', 'keyword_changed_name_cut', body + b'ACTIV_NXDNAME\n\n')
    put('input_annex', 'line_after_end', body + b'etwas anderes\nACTIV_NADNAME\n' + std)
    put('input_annex', 'keyword_cut', body + b'ACTIV_NAD')
    put('input_annex', 'opening_mark_only', body + b'ACTIV_NADNAME\n\xae')
    put('input_annex', 'closing_mark_lost', body + b'ACTIV_NADNAME\n\xaeEC-Standardparameter\n')
    put('input_annex', 'opening_mark_lost', body + b'ACTIV_NADNAME\nEC-Standardparameter\xaf\n')
    put('input_annex', 'name_on_keyword_line', body + b'ACTIV_NADNAME ' + std)
    put('input_annex', 'nul_in_name', body + b'ACTIV_NADNAME\n\xaeEC-Standard\0parameter\xaf\n')
    put('input_annex', 'empty_name', body + b'ACTIV_NADNAME\n\xae\xaf\n')
    put('input_annex', 'second_section', body + b'ACTIV_NADNAME\n' + std
        + b'\n\nACTIV_NADNAME\n\xaeDeutschland\xaf\n')
    for p in sorted(glob.glob(os.path.join(EX, '*', '*.txt'))):
        put('title_file', os.path.basename(p), rd(p))
    put('title_file', 'utf16', '\ufeffSto\u00df Achse 3\r\n'.encode('utf-16-le'))
    put('title_file', 'empty', b'')
    put('title_file', 'crlf', b'Stoss \x84\x94\x81 Achse 3\r\nzweite Zeile\r\n')
    put('title_file', 'control_bytes', b'Sto\xe1\x00Achse\x1b 7 \xce\x7f\tEnde\r\n')
    # UTF-8 whose byte 255 lies inside an umlaut
    put('title_file', 'utf8_long', 'Größe '.encode() + b'A' * 246 + 'über\r\n'.encode())
    # annex files and their sections
    for p in sorted(glob.glob(os.path.join(nad, '*.NAD'))):
        text = rd(p)
        put('nad_file', os.path.basename(p), text)
        put('guillemet', os.path.basename(p), text)
        # each section behind its header line, with the selector byte of its block
        picks = {b'EC0': 0, b'EC2': 1, b'EC3': 2, b'EC5': 5, b'EC6': 6, b'EC9': 7}
        for m in re.finditer(rb'\n[ #]*(EC\d)[^\n]*\n', text):
            key = m.group(1)
            if key in picks:
                body = text[m.end():m.end() + 3000]
                put('nad_section', '%s_%s' % (os.path.basename(p), key.decode()),
                    bytes([picks[key]]) + body)
                put('nad_section', '%s_%s_spool' % (os.path.basename(p), key.decode()),
                    bytes([8]) + text[m.start():m.start() + 3000])
    # a user annex "Österreich" (gamma_M 1.5 in the EN 1995 block), whole and damaged: cut at half
    # its length, cut inside "#EC5", a word, a decimal comma or "nan" where a number stands, a
    # value too many behind "#EC5", a word for the header's variant
    de = rd(os.path.join(nad, 'Deutschland.NAD'))
    at = de.split(b'\n').index(b'#EC5')
    lines = de.split(b'\n')
    for k in (6, 7, 8, 24):
        lines[at + k] = lines[at + k].replace(b'1.300000', b'1.500000')
    lines[at + 13] = lines[at + 13].replace(b' 1.30 1.30 ', b' 1.50 1.50 ')
    at_ = b'\n'.join(lines).replace(b' 18 \xaeDeutschland\xaf 1', b' 3 \xae\x99sterreich\xaf 1')
    ec5 = at_.index(b'#EC5\n')
    conn = at_.index(b' 1.500000 1.500000\n', ec5) + 1
    put('nad_file', 'oesterreich', at_)
    put('nad_file', 'oesterreich_cut_half', at_[:len(at_) // 2])
    put('nad_file', 'oesterreich_cut_in_ec5', at_[:at_.index(b' 0.60 0.80 2.00', ec5)])
    put('nad_file', 'oesterreich_cut_before_ec5', at_[:ec5])
    put('nad_file', 'oesterreich_word', at_[:conn] + b'anderthalb' + at_[conn + 8:])
    put('nad_file', 'oesterreich_comma', at_[:conn] + b'1,5' + at_[conn + 8:])
    put('nad_file', 'oesterreich_nan', at_[:conn] + b'nan' + at_[conn + 8:])
    put('nad_file', 'oesterreich_extra', at_.replace(b' 1.500000 \n\n', b' 1.500000 7\n\n', 1))
    put('nad_file', 'oesterreich_header', at_.replace(b'\x99sterreich\xaf 1', b'\x99sterreich\xaf x', 1))
    # a block twice (a copy with gamma_M 1.3 in front, or behind), a line added inside #EC3, a
    # word, nan or an overflow where #EC2 holds a number read as a text, block and frame versions
    # newer than ours, a last number cut without its line feed, CR LF line ends
    sec5 = at_[ec5:at_.index(b'#EC6\n')]
    put('nad_file', 'oesterreich_ec5_twice', at_[:ec5] + sec5.replace(b'1.500000', b'1.300000') + at_[ec5:])
    put('nad_file', 'oesterreich_ec5_twice_behind', at_ + b'\n' + sec5)
    lt = at_.index(b' 0.400000 0.750000 0 1.000000 1 1.000000\n')
    put('nad_file', 'oesterreich_ec3_line_added', at_[:lt] + at_[lt:].replace(b'\n', b'\n' + at_[lt:at_.index(b'\n', lt)] + b'\n', 1))
    xb = at_.index(b' 3.000000 0.000000 ', at_.index(b'#EC2\n')) + 10
    for tag, word in ((b'word', b'x0.000000'), (b'nan', b'nan'), (b'overflow', b'1e400')):
        put('nad_file', 'oesterreich_ec2_' + tag.decode(), at_[:xb] + word + at_[xb + 8:])
    put('nad_file', 'oesterreich_ec5_version', at_.replace(b'#EC5\n 17\n', b'#EC5\n 18\n', 1))
    put('nad_file', 'oesterreich_frame_version', at_.replace(b'NAD/Version 1', b'NAD/Version 99', 1))
    put('nad_file', 'oesterreich_cut_last_number', at_[:at_.rindex(b'.')])
    put('nad_file', 'oesterreich_crlf', at_.replace(b'\n', b'\r\n'))
    # heads that give the list no name: a word for the flag, cut inside, empty, UTF-16 with a mark
    put('nad_file', 'oesterreich_head_flag', at_.replace(b' 3 \xae', b' x3 \xae', 1))
    put('nad_file', 'oesterreich_head_cut', at_[:20])
    put('nad_file', 'empty', b'')
    put('nad_file', 'oesterreich_utf16', b'\xff\xfe' + at_.decode('latin-1').encode('utf-16-le'))
    # the old annex store: entries of the German annex's sections behind "#NAD <flag> «name»"
    de = rd(os.path.join(nad, 'Deutschland.NAD'))
    body = de.split(b'\n', 2)[-1]
    put('nad_old_store', 'two_entries',
        b'#NAD\n 7 \xaeAltes Land\xaf\n' + body + b'\n#NAD\n 3 \xaeZweites\xaf\n' + body)
    put('nad_old_store', 'no_flag', b'#NAD\n\xaeohne Kennung\xaf\n#NAD\n 2 \xaeB\xaf\n 1 2 3\n')
    # EN 1991 tables
    put('ec1_tables', 'wusl', rd(os.path.join(nad, 'WUSL-Tabs.def')) + b'\n----\n' +
        rd(os.path.join(nad, 'WUSL-Tabs.val')))
    put('ec1_tables', 'def_only', rd(os.path.join(nad, 'WUSL-Tabs.def')))
    # application registry, version files
    put('app_registry', 'APP0242.DEF', rd(os.path.join(priv, 'APP0242.DEF')))
    put('app_registry', 'masks', b'#NADS -1\n 1 0 110 1 0 0 1 1 1 1\n#NAME \xaeHolz\xaf\n'
        b'#SERVICE \xaeBauteil\xaf\n#GROUP\n\xaeVerbindungen\xaf\n')
    put('version_file', 'plain', b'Splice 2.4.1 vom 12.03.2025\n')
    put('version_file', 'long', b'V' * 400 + b'\n')
    put('version_file', 'crlf', b'3.0\r\n')
    # catalogues: selector byte, then the file
    for i, name in enumerate(CATALOGUES):
        p = os.path.join(priv, name)
        if os.path.exists(p):
            put('catalogue', name, bytes([i]) + rd(p))
    # combinations
    put('lkom_ascii', 'three', b'# kmod aussergewoehnlich M N V Kommentar\n0.9 0 12.5 -30 4.2 LF 1\n'
        b'0.9 0 10 20 3 LF 2\n1.1 1 0 0 0 Anprall\n\n')
    put('lkom_ascii', 'bad', b'0,9 0 1 2 3\nx y z\n0.6 0 1e308 -1e308 0 ' + b'K' * 100 + b'\n')
    # a line over the limit of 4096 bytes, and one at it (with its CR)
    put('lkom_ascii', 'long_line', b'0.9 0 0 45' + b' ' * 4083 + b'12345 Schnee\n0.9 0 0 45'
        + b' ' * 4076 + b'12345 Rand\r\n')
    wide = '0.9 0 12.5 -30 4.2 Schnee \u00f6stlich\r\n1.1 1 0 0 0 Anprall\r\n'
    put('lkom_ascii', 'utf16le', ('\ufeff' + wide).encode('utf-16-le'))
    put('lkom_ascii', 'utf16be_no_mark', wide.encode('utf-16-be'))
    put('lkom_ascii', 'utf32le', ('\ufeff' + wide).encode('utf-32-le'))
    # design-check files
    nd = rd(os.path.join(priv, 'nachweis.def'))
    put('nachweis_def', 'nachweis.def', nd)
    put('nachweis_def', 'half', nd[:len(nd) // 2])
    put('nachweis_val', 'values', b'Kommentarzeile\nEurocode_gamma_sup1_norm: 1.4 1.6 1.4 1.1 1.1 0.5\n'
        b'DIN1045_psi_0snow: 0.1 0.2 0.3 0.4 0.5 0.6 0.7 0.8 0.9 1.0 1.1\n'
        b'Eurocode_psi_1: 9 9 9 9 9 9 9 9 9 9 9\n')
    put('nachweis_val', 'bad', b'DIN18800_psi_H:\t0.8 0.8 0.8\n0.8\ngamma_altenorm_allways_inf: 1,0 0 0 0 0 0\n')
    tail = (b'Snow: 0\nPara: 4 1 1.50 1.15 1.30 1.00 1.50 1.15 1.50 1.15\n'
            b'Holz: 0 1 1 1 1.30 1.30 1.00 0.60 0.60 0.70 0.80 0.90 1.10\n'
            b'more: 1 300 150 200 100 200 100\nrest: 0 0\n')
    put('nchw_blocks', 'one_rule', b'\nNACHWEISE-2003 1\n5\n 3 8 1 1 0 0 0 0 0 \xaeNachweis' + b' ' * 42 +
        b'\xaf\n     0\n     0\n     0\n     0\n     1 1 2 2 2 0 0 1 1 0 0 0 0 \xaeRegel' + b' ' * 25 +
        b'\xaf\n          5 1.000000 0.700000 1.500000 0.000000\nTXB0\n' + tail)
    put('nchw_blocks', 'state_args', b'\nNACHWEISE-2003 0\n5\n' + tail +
        b'\nNACHWEISE-STATE 0\n1\n1 2 3 4\n0\n1 1 1 1 1\n0\n\xaeNachweis.def\xaf\n\xaenachweis.val\xaf\n'
        b'1\n\xaeNCHW\xaf\n-1\n\xaesplice\xaf\n\nNACHWEISE-ARGS 0\n 0 -1 -1 -1 -1 -1 -1 -1 -1 0\n')
    put('nchw_blocks', 'old_keyword', b'NACHWEISE-2001 1\n1\n 1 121 1 0 0 0 0 0 \xaeAlt\xaf\n     0\n     0\n' + tail)
    # text blocks, versioned data, guillemets
    put('text_block', 'two', b'TXB11\n\xaehallo\x01welt\xaf\n TXB3\n\xaeabc\xaf\n')
    put('text_block', 'short', b'TXB300\n\xaenur das\xaf\n')
    put('datafile', 'record', b' 2.000000  # Datenversionsnummer\n 2.000000 # Strukturversionsnummer\n'
        b' 7 1.500000e+00  x  word  a\x8cb  Name\x8cdes\x8cTeils 11 line1\nline2\n 42 43\n# Ende\n')
    put('datafile', 'old', b' 1.0\n 1.0\n 3 2.5 y w t n 5 abcde 1 2\n')
    put('guillemet', 'APP0242.DEF', rd(os.path.join(priv, 'APP0242.DEF')))
    put('guillemet', 'mixed', b'\xaeeins\xaf [zwei] \n#NAD x\n#TAB12\n 1.5 2.5 3 4 5 6\n 1 2 3 4 5 6\n')
    # pictures and names
    put('picture_info', 'png', b'OLI_GRAPHIC_Picture_Info\n\xaePNG\xaf\n640 480\n24\n72.0000 96.5000\n')
    put('picture_info', 'names', b'\xaeliste_01.oli\xaf\n\xae' + b'n' * 120 + b'\xaf\n')
    # help, bitmaps
    put('help_file', 'splice.hlp', rd(os.path.join(priv, 'splice.hlp')))
    put('help_file', 'small', b'#TOPIC a\nText\n#TOPIC b  \nmehr\r\n# Kommentar\n#TOPIC \n' + b'x' * 1500 + b'\n')
    for p in sorted(glob.glob(os.path.join(priv, 'bitmaps', '*.bmp')) + glob.glob(os.path.join(nad, '*.bmp'))):
        if os.path.getsize(p) <= 12000:
            put('bmp_strip', os.path.basename(p), rd(p))
    # print lists
    gold = os.path.join(ROOT, 'tests', 'golden')
    for p in sorted(glob.glob(os.path.join(gold, '*', '*.oli'))):
        put('print_list', os.path.basename(p), rd(p))


if __name__ == '__main__':
    main()
