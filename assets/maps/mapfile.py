"""Reader for the location source files (*.map).

A map file is plain text, one statement per line, '#' starts a comment:

    size 2000 1900          picture and mask size in pixels
    theme city              palette used by the painters
    seed 11                 base of every random texture of this map
    ground grass            role that fills the whole picture first

    rect   ROLE x y w h            [key=value ...]
    circle ROLE cx cy r            [key=value ...]
    poly   ROLE x,y x,y x,y ...    [key=value ...]
    line   ROLE x,y x,y ... w=N    [key=value ...]

Colours are written #rrggbb; a comment is a "#" at the start of a line or
after a blank.  Shapes are painted in file order, so later shapes cover earlier ones in the
picture and in the mask alike.  The role decides both: see roles.py.
"""
import re
from dataclasses import dataclass, field

_COMMENT = re.compile(r'(?:^|\s)#')


class MapError(Exception):
    pass


@dataclass
class Shape:
    kind: str            # rect, circle, poly, line
    role: str            # e.g. wall, road, tree, trigger:hut
    points: list         # rect: [(x, y), (x + w, y + h)], circle: [(cx, cy)]
    radius: float = 0.0
    opts: dict = field(default_factory=dict)
    line: int = 0
    index: int = 0

    @property
    def base_role(self):
        return self.role.split(':', 1)[0]

    @property
    def trigger_name(self):
        return self.role.split(':', 1)[1] if self.role.startswith('trigger:') else ''

    def opt(self, key, default=None):
        return self.opts.get(key, default)

    def num(self, key, default=0.0):
        return float(self.opts.get(key, default))

    def bbox(self):
        """Bounding box (x0, y0, x1, y1), end exclusive, before clipping."""
        if self.kind == 'circle':
            (cx, cy), r = self.points[0], self.radius
            return cx - r, cy - r, cx + r, cy + r
        xs = [p[0] for p in self.points]
        ys = [p[1] for p in self.points]
        pad = self.num('w', 1) / 2 if self.kind == 'line' else 0
        return min(xs) - pad, min(ys) - pad, max(xs) + pad, max(ys) + pad


@dataclass
class MapSpec:
    name: str
    width: int = 0
    height: int = 0
    theme: str = 'plain'
    seed: int = 1
    ground: str = 'floor'
    ground_opts: dict = field(default_factory=dict)
    shapes: list = field(default_factory=list)


def _split_opts(tokens):
    args, opts = [], {}
    for tok in tokens:
        if '=' in tok:
            key, value = tok.split('=', 1)
            opts[key] = value
        else:
            args.append(tok)
    return args, opts


def _point(tok, where):
    try:
        x, y = tok.split(',')
        return float(x), float(y)
    except ValueError:
        raise MapError(f'{where}: bad point {tok!r}') from None


def _numbers(args, count, where):
    if len(args) != count:
        raise MapError(f'{where}: expected {count} numbers, got {len(args)}')
    try:
        return [float(a) for a in args]
    except ValueError:
        raise MapError(f'{where}: bad number in {args}') from None


def _shape(kind, role, args, opts, where):
    if kind == 'rect':
        x, y, w, h = _numbers(args, 4, where)
        if w <= 0 or h <= 0:
            raise MapError(f'{where}: empty rect')
        return Shape(kind, role, [(x, y), (x + w, y + h)], opts=opts)
    if kind == 'circle':
        cx, cy, r = _numbers(args, 3, where)
        return Shape(kind, role, [(cx, cy)], radius=r, opts=opts)
    pts = [_point(a, where) for a in args]
    if kind == 'poly' and len(pts) < 3:
        raise MapError(f'{where}: a polygon needs three points')
    if kind == 'line' and (len(pts) < 2 or 'w' not in opts):
        raise MapError(f'{where}: a line needs two points and w=')
    return Shape(kind, role, pts, opts=opts)


def parse_map(text, name='map'):
    spec = MapSpec(name)
    for number, raw in enumerate(text.splitlines(), 1):
        line = _COMMENT.split(raw, 1)[0].strip()
        if not line:
            continue
        where = f'{name}:{number}'
        word, *rest = line.split()
        args, opts = _split_opts(rest)
        if word == 'size':
            spec.width, spec.height = (int(v) for v in _numbers(args, 2, where))
        elif word == 'theme':
            spec.theme = args[0]
        elif word == 'seed':
            spec.seed = int(args[0])
        elif word == 'ground':
            spec.ground, spec.ground_opts = args[0], opts
        elif word in ('rect', 'circle', 'poly', 'line'):
            if not args:
                raise MapError(f'{where}: missing role')
            shape = _shape(word, args[0], args[1:], opts, where)
            shape.line, shape.index = number, len(spec.shapes)
            spec.shapes.append(shape)
        else:
            raise MapError(f'{where}: unknown statement {word!r}')
    if spec.width <= 0 or spec.height <= 0:
        raise MapError(f'{name}: missing size')
    return spec


def load_map(path, name=None):
    with open(path, encoding='utf-8') as handle:
        return parse_map(handle.read(), name or path)
