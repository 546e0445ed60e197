"""The program's icon: the glowing first letter of the title on the start-up splash, 64 x 64."""
import sys

from PIL import Image

splash, icon = sys.argv[1], sys.argv[2]
Image.open(splash).convert("RGB").crop((38, 72, 136, 170)).resize((64, 64), Image.LANCZOS).save(icon)
