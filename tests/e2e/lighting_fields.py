"""Prints a Python expression over the lighting fields of a profile file.

Usage: lighting_fields.py PROFILE-FILE EXPRESSION
Names: mode, option, colours (5 values, red in the lowest byte), source, preset, touch, p1, p2, p5.
"""
import struct
import sys

data = open(sys.argv[1], "rb").read()
mode, option = struct.unpack_from("<ii", data, 25260)
colours = [struct.unpack_from("<I", data, 25268 + 4 * i)[0] for i in range(5)]
source = list(struct.unpack_from("<5i", data, 25288))
preset = list(struct.unpack_from("<5i", data, 25308))
touch, = struct.unpack_from("<i", data, 25328)
p1, p2, p5 = struct.unpack_from("<iii", data, 25340)
print(eval(sys.argv[2]))
