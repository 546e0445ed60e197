"""A Windows icon file, from the program's icons (cmake/install/make_icon.py's output folder)."""
import os
import sys

from PIL import Image

icons, ico = sys.argv[1], sys.argv[2]
largest = Image.open(os.path.join(icons, "256x256", "apps", "cinderwake.png")).convert("RGBA")
largest.save(ico, format="ICO", sizes=[(16, 16), (24, 24), (32, 32), (48, 48), (64, 64), (128, 128), (256, 256)])
