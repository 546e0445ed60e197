"""A Windows icon file with the usual small sizes, from the program's 64 x 64 icon."""
import sys

from PIL import Image

png, ico = sys.argv[1], sys.argv[2]
Image.open(png).convert("RGBA").save(ico, format="ICO", sizes=[(16, 16), (24, 24), (32, 32), (48, 48), (64, 64)])
