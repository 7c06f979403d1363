#!/usr/bin/python3
"""commands_test.py KELVANE: each command line of the table, run with no
display, in the language of its row (LANGUAGE), gives its status and its
output: standard output with status 0, else standard error, the other stream
empty, or both as "OUT || ERR"; of the usage only its first line. Every --json answer parses as JSON.
An answer that cannot be written fails."""
import json
import os
import shlex
import subprocess
import sys

TABLE = r"""
en | decode yellow violet red gold | 0 | 4,7 Kohm ±5%
en | decode --json Yellow VIOLET red | 0 | {"value": 4700, "text": "4,7 Kohm", "tolerance": null}
en | decode --json brown black gold gold | 0 | {"value": 1, "text": "1 ohm", "tolerance": "5%"}
en | decode brown grey black | 0 | 18 ohm
en | decode --bands 5 brown black black brown brown | 0 | 1 Kohm ±1%
en | decode --bands=5 --json red red black silver green | 0 | {"value": 2.2, "text": "2,2 ohm", "tolerance": "0.5%"}
en | decode --bands 5 brown black black black | 0 | 100 ohm
en | decode --capacitor --json yellow violet yellow | 0 | {"value": 470000, "text": "470 nF", "tolerance": null}
en | decode white white white | 1 | kelvane: band 3 cannot be White
en | decode black red red | 1 | kelvane: band 1 cannot be Black
en | decode --bands 5 red red gold red | 1 | kelvane: band 3 cannot be Gold
en | decode --bands 5 red red red violet | 1 | kelvane: band 4 cannot be Violet
en | decode red red red blue | 1 | kelvane: band 4 cannot be Blue
en | decode red red pink | 1 | kelvane: pink: not a colour
en | decode red red | 2 | kelvane: missing COLOUR
en | decode --bands 6 red red red | 2 | kelvane: --bands takes one of 4, 5
en | decode red red red gold gold | 2 | kelvane: gold: unexpected argument
en | encode 4700 | 0 | 4,7 Kohm: Yellow, Violet, Red
en | encode --json 4k7 | 0 | {"value": 4700, "text": "4,7 Kohm", "colours": ["Yellow", "Violet", "Red"]}
en | encode 4751 | 0 | 4,8 Kohm: Yellow, Gray, Red
en | encode --up 4710 | 0 | 4,8 Kohm: Yellow, Gray, Red
en | encode --bands 5 --json 4,75 k | 0 | {"value": 4750, "text": "4,75 Kohm", "colours": ["Yellow", "Violet", "Green", "Brown"]}
en | encode 47 Kohm | 0 | 47 Kohm: Yellow, Violet, Orange
en | encode $FF | 0 | 260 ohm: Red, Blue, Brown
en | encode 1 | 0 | 1 ohm: Brown, Black, Gold
en | encode --capacitor 2u2 | 0 | 2,2 µF: Red, Red, Green
en | encode --capacitor 100 nF | 0 | 100 nF: Brown, Black, Yellow
en | encode 0 | 1 | kelvane: Componentvalue must be a number between 1 and 990M
en | encode 991 Mohm | 1 | kelvane: Componentvalue must be a number between 1 and 990M
en | encode 4.7 | 1 | kelvane: Componentvalue must be a number between 1 and 990M
en | encode -- -5 | 1 | kelvane: Componentvalue must be a number between 1 and 990M
en | encode 4700 furlong | 1 | kelvane: Componentvalue must be a number between 1 and 990M
en | encode | 2 | kelvane: missing VALUE
en | encode 4k7 ohm ohm | 2 | kelvane: ohm: unexpected argument
en | encode 4.7e3 | 0 | 4,7 Kohm: Yellow, Violet, Red
en | encode --capacitor 2.2E-6 | 0 | 2,2 µF: Red, Red, Green
en | read 4k7 | 0 | 4,7 Kohm\tletter code\tE6
en | read --json 10R | 0 | [{"value": 10, "text": "10 ohm", "code": "letter", "tolerance": null, "series": "E6"}, {"value": 1.24, "text": "1,24 ohm", "code": "EIA-96", "tolerance": null, "series": "E96"}]
en | read --capacitor --json 104K | 0 | [{"value": 100000, "text": "100 nF", "code": "3-digit", "tolerance": "±10 %", "series": "E6"}]
en | read 4702 | 0 | 47 Kohm\t4-digit code\tE6
en | read --json 0 | 0 | [{"value": 0, "text": "0 ohm", "code": "zero-ohm", "tolerance": null, "series": null}]
en | read 4k8 | 0 | 4,8 Kohm\tletter code\tnot standard; nearest E24: 4,7 Kohm and 5,1 Kohm
en | read 99A | 1 | kelvane: 99A: no such EIA-96 number
en | read xyz | 1 | kelvane: xyz: not a marking
en | read | 2 | kelvane: missing CODE
en | read --capacitor --json 47 | 0 | [{"value": 47, "text": "47 pF", "code": "pF", "tolerance": null, "series": "E6"}]
en | read --capacitor 4 | 0 | 4 pF\tvalue in pF\tnot standard; nearest E24: 3,9 pF and 4,3 pF
en | series 5.1k | 0 | E24
en | series --json 5100 | 0 | {"value": 5100, "series": "E24", "below": null, "above": null}
en | series --json 4,8 k | 0 | {"value": 4800, "series": null, "below": 4700, "above": 5100}
en | series --capacitor 2.2µF | 0 | E6
en | series 4.87k | 0 | E48
en | series abc | 1 | kelvane: abc: not a value
en | series 0.0001 | 1 | kelvane: 0.0001: out of range, from 0,001 ohm up to below 1000 Mohm
en | series 1e6 | 0 | E6
en | series --json 4.7e3 ohm | 0 | {"value": 4700, "series": "E6", "below": null, "above": null}
en | series 1e400 | 1 | kelvane: 1e400: out of range, from 0,001 ohm up to below 1000 Mohm
en | find 4k85 --count 2 | 0 | 4,7 Kohm + 150 ohm\t4,85 Kohm\t0 %\t4,608 Kohm … 5,093 Kohm\n100 Kohm ∥ 5,1 Kohm\t4,853 Kohm\t+0,052 %\t4,61 Kohm … 5,095 Kohm
en | find --json --max-parts 3 --count 1 4k8321 | 0 | [{"value": 4832.085979, "error": -2.901537185e-06, "network": {"series": [240, {"parallel": [200000, 4700]}]}, "min": 4590.481681, "max": 5073.690278, "worst": {"min": 4590.481681, "max": 5073.690278}, "yield": null, "yield_error": null}]
en | find --json --series e12 --max-parts=4 --count 1 3k14159 | 0 | [{"value": 3141.589734, "error": -8.467426971e-08, "network": {"parallel": [3300, {"series": [10000, {"parallel": [5600000, 56000]}]}]}, "min": 2827.430761, "max": 3455.748707, "worst": {"min": 2827.430761, "max": 3455.748707}, "yield": null, "yield_error": null}]
en | find --json --exclude 4k7 --exclude 2k7 --tolerance 1 --count 1 4,7 k | 0 | [{"value": 4700, "error": 0, "network": {"series": [3600, 1100]}, "min": 4653, "max": 4747, "worst": {"min": 4653, "max": 4747}, "yield": null, "yield_error": null}]
en | find --series E6 --min 1k --max 1k --max-parts 1 --count 1 1k5 | 0 | 1 Kohm\t1 Kohm\t-33,3 %\t800 ohm … 1,2 Kohm
en | find abc | 1 | kelvane: abc: not a value
en | find --count 1 --parts PARTS/list 4k7 | 0 | 4,7 Kohm\t4,7 Kohm\t0 %\t4,653 Kohm … 4,747 Kohm
en | find --count 1 --parts PARTS/crlf 2k2 | 0 | 2,2 Kohm\t2,2 Kohm\t0 %\t2,156 Kohm … 2,244 Kohm
en | find --count 1 --parts PARTS/binary 4k7 | 0 | 4,7 Kohm\t4,7 Kohm\t0 %\t4,465 Kohm … 4,935 Kohm || kelvane: PARTS/binary:1: not UTF-8 text\nkelvane: PARTS/binary:3: not UTF-8 text\nkelvane: PARTS/binary:4: not UTF-8 text
en | find --count 1 --parts PARTS/wrong 10k | 0 | 10 Kohm\t10 Kohm\t0 %\t9,5 Kohm … 10,5 Kohm || kelvane: PARTS/wrong:2: value out of range\nkelvane: PARTS/wrong:3: value out of range\nkelvane: PARTS/wrong:4: value out of range\nkelvane: PARTS/wrong:5: tolerance out of range
en | find --parts PARTS/empty 1k | 1 | kelvane: PARTS/empty: no part to use
en | bom DATA/kicad-cli.csv | 0 | 0 ohm\t×1\tR3\n4,7 Kohm\t×4\tR1, R4, R5, R6\n  E6\n  4 bands: Yellow, Violet, Red\n  5 bands: Yellow, Violet, Black, Brown\n  codes: 472, 4701, 4K7\n4,99 Kohm ±1 %\t×1\tR2\n  E96\n  5 bands: Yellow, White, White, Brown, Brown\n  codes: 4991, 4K99, 68B\n  nearest in E24: 4,7 Kohm (-5,81 %) and 5,1 Kohm (+2,2 %)\n  network: 240 Kohm ∥ 5,1 Kohm (+0,0778 %)\n100 nF\t×2\tC1, C2\n  E6\n  codes: 104, 100n\n10 µF, 25 V\t×3\tC3, C4, C5\n  E6\n  codes: 106, 10µ\nListed apart:\n  R9\t10k\tdo not populate\n  RN1\t4x10k\tresistor array\n  RV1\t10k\ttrimmer\n  U1\tNE555\tnot a resistor or capacitor\nNot read:\n  line 11: not a value\t"R7","4k7 X7R","Resistor_SMD:R_0603_1608Metric","1",""
en | bom DATA/kicad-semicolon.csv | 0 | 4,7 Kohm ±1 %\t×2\tR1, R2\n  E6\n  4 bands: Yellow, Violet, Red, Brown\n  5 bands: Yellow, Violet, Black, Brown, Brown\n  codes: 472, 4701, 4K7\n100 nF, 50 V\t×1\tC1\n  E6\n  codes: 104, 100n\n1 µF\t×1\tC2\n  E6\n  codes: 105, 1µ0\nListed apart:\n  C4\tDNP\tdo not populate\n  D1\t1N4148\tnot a resistor or capacitor\nNot read:\n  line 6: no value\tC3;;Capacitor_SMD:C_0805_2012Metric;1;
en | bom DATA/kicad-tab.tsv | 0 | 10 Kohm\t×2\tR1, R2\n  E6\n  4 bands: Brown, Black, Orange\n  5 bands: Brown, Black, Black, Red\n  codes: 103, 1002, 10K, 01C\n100 nF\t×1\tC1\n  E6\n  codes: 104, 100n\nNot read:\n  line 4: not a reference range\t'R3-R1'?'1k'?'Resistor_THT:R_Axial_DIN0207'?'3'
en | bom --json DATA/grouped-by-value.csv | 0 | {"values": [{"value": 470, "kind": "resistor", "text": "470 ohm", "references": ["R1", "R2"], "quantity": 2, "tolerance": null, "voltage": null, "series": "E6", "bands4": ["Yellow", "Violet", "Brown"], "bands5": ["Yellow", "Violet", "Black", "Black"], "codes": ["471", "4700", "470R"], "nearest": null, "network": null}, {"value": 100000, "kind": "capacitor", "text": "100 nF", "references": ["C1"], "quantity": 1, "tolerance": null, "voltage": null, "series": "E6", "bands4": null, "bands5": null, "codes": ["104", "100n"], "nearest": null, "network": null}], "apart": [{"line": 10, "references": ["Q1"], "value": "BC547", "reason": "not-resistor-or-capacitor"}], "unread": [{"line": 9, "text": "\"R3 \",\"1\",\"see note\",\"R\",\"Resistor_THT:R_Axial_DIN0207\",\"Resistor\",\"\"", "reason": "not-a-value"}]}
en | bom DATA/assembly.csv | 0 | 10 Kohm\t×2\tR1, R2\n  E6\n  4 bands: Brown, Black, Orange\n  5 bands: Brown, Black, Black, Red\n  codes: 103, 1002, 10K, 01C\n100 nF\t×3\tC1, C2, C3\n  E6\n  codes: 104, 100n\nNot read:\n  line 4: a quote not closed\t5.1k,"R3,R4,R5,R0402_1005Metric,C25905
en | bom --json --series E96 DATA/kicad-semicolon.csv --series e12 DATA/x | 2 | kelvane: DATA/x: unexpected argument
en | bom --series E7 DATA/assembly.csv | 2 | kelvane: --series takes one of E6, E12, E24, E48, E96, E192
en | bom | 2 | kelvane: missing FILE
en | bom PARTS/list | 1 | kelvane: PARTS/list: no bill of materials, no line names a Value or Comment column
en | bom PARTS/empty | 1 | kelvane: PARTS/empty: nothing in it
en | labels 12x -o x.pdf | 1 | kelvane: 12x: not a value
en | labels 4k7 -o /nonexistent/x.pdf | 1 | kelvane: /nonexistent/x.pdf cannot be written
en | labels --series E12 --from 1M --to 1k -o x.pdf | 1 | kelvane: --from 1M lies above --to 1k
en | labels --sheet B5 1k -o x.pdf | 2 | kelvane: --sheet takes one of A4-21, A4-24, A4-65, Letter-30, Letter-80, A4-grid, Letter-grid
en | labels --bands 3 1k -o x.pdf | 2 | kelvane: --bands takes one of 4, 5, both
en | labels --series E12 1k -o x.pdf | 2 | kelvane: 1k: values, or a series or parts file, not both
en | labels 1k | 2 | kelvane: missing -o FILE.pdf
en | labels --start 22 1k -o x.pdf | 2 | kelvane: --start takes a whole number from 1 to 21
en | labels --sheet a4-65 --start 0 1k -o x.pdf | 2 | kelvane: --start takes a whole number from 1 to 65
en | labels --offset 1.5 1k -o x.pdf | 2 | kelvane: --offset takes two numbers X,Y, each from -20 to 20
en | labels --offset 1,-20.5 1k -o x.pdf | 2 | kelvane: --offset takes two numbers X,Y, each from -20 to 20
en | labels --scale 100,nan 1k -o x.pdf | 2 | kelvane: --scale takes two numbers X,Y, each from 80 to 120
en | labels --calibration 1k -o x.pdf | 2 | kelvane: 1k: unexpected argument
en | labels --calibration --start 2 -o x.pdf | 2 | kelvane: --start: unexpected argument
en | labels --calibration -o /nonexistent/x.pdf | 1 | kelvane: /nonexistent/x.pdf cannot be written
en | labels --bom DATA/kicad-cli.csv -o /nonexistent/x.pdf | 1 | kelvane: DATA/kicad-cli.csv:11: not a value\nkelvane: /nonexistent/x.pdf cannot be written
en | labels --bom DATA/no-passives.csv -o x.pdf | 1 | kelvane: DATA/no-passives.csv: no part to use
en | labels --bom PARTS/list -o x.pdf | 1 | kelvane: PARTS/list: no bill of materials, no line names a Value or Comment column
en | labels --bom DATA/kicad-cli.csv 4k7 -o x.pdf | 2 | kelvane: 4k7: unexpected argument
en | labels --series E12 --bom DATA/kicad-cli.csv -o x.pdf | 2 | kelvane: --series: unexpected argument
en | labels --calibration --bom DATA/kicad-cli.csv -o x.pdf | 2 | kelvane: --bom: unexpected argument
en | chart | 2 | kelvane: missing -o FILE.pdf
en | chart -o x.pdf extra | 2 | kelvane: extra: unexpected argument
de | labels 12x -o x.pdf | 1 | kelvane: 12x: kein Wert
en | find --min 10M --max 1k 1k | 1 | kelvane: --min 10M lies above --max 1k
en | find --min 1,11 --max 1,15 1k | 1 | kelvane: 1,11 … 1,15: no part to use
en | find 1e400 | 1 | kelvane: 1e400: out of range, from 0,001 ohm to 1000000 Mohm
en | find --count 1 1e3 | 0 | 1 Kohm\t1 Kohm\t0 %\t950 ohm … 1,05 Kohm
en | find --count 0 1k | 2 | kelvane: --count takes a whole number from 1 to 1000
en | find --count --json 1k | 2 | kelvane: --count takes a whole number from 1 to 1000
en | find --tolerance 100 1k | 2 | kelvane: --tolerance takes a percentage above 0 and below 100
en | find --series E7 1k | 2 | kelvane: --series takes one of E6, E12, E24, E48, E96, E192
en | find --max-parts 5 1k | 2 | kelvane: --max-parts takes a whole number from 1 to 4
en | find --parts /nonexistent/parts.txt 1k | 1 | kelvane: /nonexistent/parts.txt: no such file
en | find --parts / 1k | 1 | kelvane: /: a folder, not a file
en | divide --count 1 5 3.3 | 0 | R1 470 ohm\tR2 910 ohm\t3,297 V\t-0,0878 %\t3,183 V … 3,408 V
en | divide --json --series E96 --min-total 10k --max-total 100k --count 1 12 1,25 | 0 | [{"r1": 11800, "r2": 1370, "vout": 1.248291572, "error": -0.001366742597, "min": 1.226098551, "max": 1.270838914, "worst": {"min": 1.226098551, "max": 1.270838914}, "yield": null, "yield_error": null}]
en | divide 5 6 | 1 | kelvane: 5 6: the output must lie above 0 and below the input
en | divide --count 1 5e0 3.3e0 | 0 | R1 470 ohm\tR2 910 ohm\t3,297 V\t-0,0878 %\t3,183 V … 3,408 V
en | divide --min-total 1M --max-total 1k 5 3.3 | 1 | kelvane: --min-total 1M lies above --max-total 1k
en | divide 5 | 2 | kelvane: missing VOUT
en | divide 5 3 --count | 2 | kelvane: --count takes a value
en | find --json --count 1 --temp -40..85 --within 2 4k85 | 0 | [{"value": 4850, "error": 0, "network": {"series": [4700, 150]}, "min": 4607.5, "max": 5092.5, "worst": {"min": 4547.6025, "max": 5158.7025}, "yield": 0.59872, "yield_error": 0.00155001407}]
en | find --count 2 --series E192 --within 1 --temp -40..85 --tempco 25 4k85 | 0 | 2,64 Kohm + 2,21 Kohm\t4,85 Kohm\t0 %\t4,826 Kohm … 4,874 Kohm\tworst case 4,818 Kohm … 4,882 Kohm\tyield 100 % ± 0 %\n2,67 Kohm + 2,18 Kohm\t4,85 Kohm\t0 %\t4,826 Kohm … 4,874 Kohm\tworst case 4,818 Kohm … 4,882 Kohm\tyield 100 % ± 0 %
en | divide --count 1 --within 5 --distribution uniform --samples 1000 --seed 7 5 3.3 | 0 | R1 470 ohm\tR2 910 ohm\t3,297 V\t-0,0878 %\t3,183 V … 3,408 V\tyield 100 % ± 0 %
en | divide --json --count 1 --temp 0..70 --within 3 12 5 | 0 | [{"r1": 1800, "r2": 1300, "vout": 5.032258065, "error": 0.006451612903, "min": 4.7424, "max": 5.326829268, "worst": {"min": 4.690869544, "max": 5.380203425}, "yield": 0.92788, "yield_error": 0.0008180385419}]
en | regulator 3.3 --vref 0.8 --vref-tolerance 1 --series E96 --within 2 --temp -40..85 --tempco 50 --json | 0 | [{"r1": 3570, "r2": 1150, "vout": 3.283478261, "error": -0.005006587615, "min": 3.234300474, "max": 3.333649539, "worst": {"min": 3.186343491, "max": 3.383673678}, "yield": 0.99744, "yield_error": 0.0001597950688}, {"r1": 35700, "r2": 11500, "vout": 3.283478261, "error": -0.005006587615, "min": 3.234300474, "max": 3.333649539, "worst": {"min": 3.186343491, "max": 3.383673678}, "yield": 0.99744, "yield_error": 0.0001597950688}, {"r1": 357000, "r2": 115000, "vout": 3.283478261, "error": -0.005006587615, "min": 3.234300474, "max": 3.333649539, "worst": {"min": 3.186343491, "max": 3.383673678}, "yield": 0.99744, "yield_error": 0.0001597950688}, {"r1": 3320, "r2": 1070, "vout": 3.282242991, "error": -0.005380911923, "min": 3.233089664, "max": 3.332389314, "worst": {"min": 3.185152556, "max": 3.382392551}, "yield": 0.99659, "yield_error": 0.0001843467358}, {"r1": 33200, "r2": 10700, "vout": 3.282242991, "error": -0.005380911923, "min": 3.233089664, "max": 3.332389314, "worst": {"min": 3.185152556, "max": 3.382392551}, "yield": 0.99659, "yield_error": 0.0001843467358}, {"r1": 332000, "r2": 107000, "vout": 3.282242991, "error": -0.005380911923, "min": 3.233089664, "max": 3.332389314, "worst": {"min": 3.185152556, "max": 3.382392551}, "yield": 0.99659, "yield_error": 0.0001843467358}, {"r1": 1070, "r2": 340, "vout": 3.317647059, "error": 0.005347593583, "min": 3.267792662, "max": 3.368508616, "worst": {"min": 3.219285933, "max": 3.419110942}, "yield": 0.99576, "yield_error": 0.0002054756044}, {"r1": 10700, "r2": 3400, "vout": 3.317647059, "error": 0.005347593583, "min": 3.267792662, "max": 3.368508616, "worst": {"min": 3.219285933, "max": 3.419110942}, "yield": 0.99576, "yield_error": 0.0002054756044}, {"r1": 107000, "r2": 34000, "vout": 3.317647059, "error": 0.005347593583, "min": 3.267792662, "max": 3.368508616, "worst": {"min": 3.219285933, "max": 3.419110942}, "yield": 0.99576, "yield_error": 0.0002054756044}, {"r1": 1020, "r2": 324, "vout": 3.318518519, "error": 0.005611672278, "min": 3.268646865, "max": 3.369397681, "worst": {"min": 3.220126115, "max": 3.420014753}, "yield": 0.9948, "yield_error": 0.000227441421}]
en | regulator --kind adjust --vref 1.25 --iadj 50e-6 --series E12 --count 2 5 | 0 | R1 27 Kohm\tR2 39 Kohm\t5,006 V\t+0,111 %\t4,482 V … 5,602 V\tworst case 4,482 V … 5,602 V\nR1 270 Kohm\tR2 68 Kohm\t4,965 V\t-0,704 %\t4,568 V … 5,375 V\tworst case 4,568 V … 5,375 V
en | regulator --json --vref 0.8 --vref-min 0.79 --vref-max 0.81 --count 1 1.8 | 0 | [{"r1": 1500, "r2": 1200, "vout": 1.8, "error": 0, "min": 1.704761905, "max": 1.905263158, "worst": {"min": 1.683452381, "max": 1.929078947}, "yield": null, "yield_error": null}]
en | find --tempco 2000 1k | 2 | kelvane: --tempco takes a number from 0 to 1000
en | find --temp 85..-40 1k | 2 | kelvane: --temp takes LOW..HIGH in °C, each from -475 to 525, LOW not above HIGH
en | find --temp 20 1k | 2 | kelvane: --temp takes LOW..HIGH in °C, each from -475 to 525, LOW not above HIGH
en | find --within 0 1k | 2 | kelvane: --within takes a percentage above 0 and below 100
en | divide --distribution gauss 5 3.3 | 2 | kelvane: --distribution takes one of normal, uniform
en | divide --samples 0 5 3.3 | 2 | kelvane: --samples takes a whole number from 1 to 100000000
en | find --seed x 1k | 2 | kelvane: --seed takes a whole number from 1 to 4294967295
en | regulator 3.3 | 2 | kelvane: missing --vref V
en | regulator --vref 0.8 --vref-tolerance 1 --vref-min 0.7 3.3 | 2 | kelvane: --vref-tolerance or --vref-min, not both
en | regulator --vref 0.8 --vref-min 0.7 3.3 | 2 | kelvane: missing --vref-max V
en | regulator --vref 0.8 --vref-min 0.81 --vref-max 0.9 3.3 | 1 | kelvane: --vref-min 0.81 lies above --vref 0.8
en | regulator --vref 0.8 0.5 | 1 | kelvane: 0.5: the output must lie above the reference 0.8
en | regulator --kind buck --vref 0.8 3.3 | 2 | kelvane: --kind takes one of feedback, adjust
en | regulator --vref x 3.3 | 1 | kelvane: x: not a value
en | regulator --vref 0.8 --iadj -1 3.3 | 1 | kelvane: -1: not a value
de | find abc | 1 | kelvane: abc: kein Wert
en | --version | 0 | kelvane 2.11
en | --help | 0 | Usage:
en | read --help | 0 | Usage:
en | frobnicate | 2 | kelvane: frobnicate: no such command
en | decode --jsn red red red | 2 | kelvane: --jsn: no such option
en | decode --json=yes red red red | 2 | kelvane: --json takes no value
en_GB:de | encode 4700 | 0 | 4,7 Kohm: Yellow, Violet, Red
de | decode gelb violett rot gold | 0 | 4,7 Kohm ±5%
de | decode --json GRÜN blau rot | 0 | {"value": 5600, "text": "5,6 Kohm", "tolerance": null}
de | encode --json 4700 | 0 | {"value": 4700, "text": "4,7 Kohm", "colours": ["Yellow", "Violet", "Red"]}
de | encode 4700 | 0 | 4,7 Kohm: Gelb, Violett, Rot
de | encode 0 | 1 | kelvane: Der Bauteilwert muss eine Zahl zwischen 1 und 990M sein
de | read 4k8 | 0 | 4,8 Kohm\tBuchstabencode\tnicht genormt; nächste E24: 4,7 Kohm und 5,1 Kohm
de | decode schwarz rot rot | 1 | kelvane: Ring 1 kann nicht Schwarz sein
de | decode lila rot rot | 1 | kelvane: lila: keine Farbe
de | series abc | 1 | kelvane: abc: kein Wert
ru | decode КОРИЧНЕВЫЙ коричн. красный | 0 | 1,1 Kohm
"""

here = os.path.dirname(os.path.abspath(__file__))
parts, data = os.path.join(here, "parts"), os.path.join(here, "..", "data")


def placed(text):
    """The table's PARTS/ and DATA/ as the folders of tests/cli/parts and tests/data."""
    return text.replace("PARTS/", parts + "/").replace("DATA/", data + "/")


if sys.argv[1] == "--seeds":
    # The rows' command lines as the command-line fuzz harness takes them:
    # each argument ended by a NUL byte.
    os.makedirs(sys.argv[2], exist_ok=True)
    for n, row in enumerate(TABLE.strip().splitlines()):
        with open(os.path.join(sys.argv[2], f"row-{n}"), "wb") as seed:
            line = placed(row.split("|")[1])
            seed.write(b"".join(a.encode() + b"\0" for a in shlex.split(line)))
    sys.exit(0)

kelvane = sys.argv[1]
env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
env.update(LANG="C.UTF-8", LC_ALL="", LC_MESSAGES="")
faults = rows = 0
for row in TABLE.strip().splitlines():
    language, line, status, expected = (field.strip() for field in row.split("|", 3))
    expected = placed(expected.replace(r"\t", "\t").replace(r"\n", "\n"))
    line = placed(line)
    expected, _, expected_other = expected.partition(" || ")
    run = subprocess.run([kelvane, *shlex.split(line)], capture_output=True, text=True,
                         env={**env, "LANGUAGE": language}, timeout=10)
    shown, other = (run.stdout, run.stderr) if status == "0" else (run.stderr, run.stdout)
    # Of the usage, only its first line: the usage itself, or what is wrong.
    got = shown.splitlines()[0] if (expected == "Usage:" or status == "2") and shown else shown.rstrip("\n")
    rows += 1
    if run.returncode != int(status) or got != expected or other.rstrip("\n") != expected_other:
        faults += 1
        print(f"FAIL: [{language}] kelvane {line}: status {run.returncode}, out {run.stdout!r}, err {run.stderr!r}")
    elif "--json" in line and status == "0":
        json.loads(run.stdout)
# An answer that cannot be written is a failure, not status 0.
with open("/dev/full", "w") as full:
    rows += 1
    if subprocess.run([kelvane, "decode", "red", "red", "red"], stdout=full, stderr=subprocess.DEVNULL, env=env).returncode != 1:
        faults += 1
        print("FAIL: an answer written to a full device gave no failure")
print(f"{rows - faults} passed, {faults} failed")
sys.exit(1 if faults else 0)
