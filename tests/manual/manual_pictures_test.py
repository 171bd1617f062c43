"""The manual beside the program: every picture and image it shows is there, the
pictures lotra-sim drew are PNG files of a circuit, and each one drawn is shown."""
import os
import re
import struct
import sys


def main(build_dir):
    with open(os.path.join(build_dir, 'help.html'), encoding='utf-8') as f:
        manual = f.read()
    shown = re.findall(r'<img[^>]*\bsrc="([^"]+)"', manual) + re.findall(r'url\(([^)]+)\)', manual)
    faults = []
    for source in shown:
        if not os.path.isfile(os.path.join(build_dir, source)):
            faults.append('the manual shows ' + source + ', which is not beside it')
    drawn_dir = os.path.join(build_dir, 'manual')
    drawn = sorted(os.listdir(drawn_dir)) if os.path.isdir(drawn_dir) else []
    if not drawn:
        faults.append('no picture was drawn into ' + drawn_dir)
    for name in drawn:
        with open(os.path.join(drawn_dir, name), 'rb') as f:
            head = f.read(24)
        if head[:8] != b'\x89PNG\r\n\x1a\n':
            faults.append(name + ' is no PNG file')
            continue
        width, height = struct.unpack('>II', head[16:24])
        if width < 100 or height < 100:
            faults.append('%s is only %d x %d' % (name, width, height))
        if 'manual/' + name not in shown:
            faults.append(name + ' was drawn but the manual does not show it')
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1]))
