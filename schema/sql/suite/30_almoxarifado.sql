-- Warehouse: materials, their movements, projects and material requests. These belong to the
-- warehouse and purchasing systems; only the columns the fleet program reads are declared here.

create table material (
  mt_codigo integer not null,
  mt_descricao varchar(50),
  mt_vrestoque numeric(18,2),
  mt_estoque numeric(18,2),
  constraint pk_material primary key (mt_codigo)
);

-- Unit prices keep four places: fuel and small parts are bought at fractions of a cent.
create table movimento_materiais (
  mo_ano integer not null,
  mo_num integer not null,
  mo_material integer not null,
  mo_data date,
  mo_mov char(1),
  mo_orig char(1),
  mo_quant numeric(18,2),
  mo_vrunit numeric(18,4),
  constraint pk_movimento_materiais primary key (mo_ano, mo_num)
);

-- A material's price history is read newest last.
create index ix_movimento_materiais_mat on movimento_materiais (mo_material, mo_data);

create table proj_almoxarifado (
  pra_proj integer not null,
  pra_sproj integer not null,
  pra_descr varchar(40),
  pra_sigla varchar(12),
  pra_tipo varchar(1),
  pra_resp varchar(40),
  pra_usando char(1),
  constraint pk_proj_almoxarifado primary key (pra_proj, pra_sproj)
);

create table itens_solicitacao_entrada (
  ise_ano integer not null,
  ise_num integer not null,
  ise_seq integer not null,
  ise_material integer,
  ise_quant numeric(18,2),
  constraint pk_itens_solicitacao_entrada primary key (ise_ano, ise_num, ise_seq)
);

-- Purchase-order items; each may serve one item of a material request (ipe_se_*).
create table itens_pedido_empenho (
  ipe_ano integer not null,
  ipe_num integer not null,
  ipe_item integer not null,
  ipe_se_ano integer,
  ipe_se_num integer,
  ipe_se_seq integer,
  ipe_quant numeric(18,2),
  ipe_vrunit numeric(18,4),
  constraint pk_itens_pedido_empenho primary key (ipe_ano, ipe_num, ipe_item)
);

create index ix_itens_pedido_empenho_se on itens_pedido_empenho (ipe_se_ano, ipe_se_num, ipe_se_seq);
